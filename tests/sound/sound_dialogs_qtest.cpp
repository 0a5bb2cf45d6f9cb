// The sound dialogs driven through their own buttons, offscreen.
#include "model/event_record.h"
#include "platform/memory_settings.h"
#include "sound_test_files.h"
#include "support/nameless_controls.h"
#include "support/recording_sound_backend.h"
#include "support/temp_folder.h"
#include "ui/sound/reminder_sound_dialog.h"
#include "ui/sound/setup_sound_dialog.h"
#include "ui/sound/sound_options_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

namespace zm {

using testing::RecordingSoundBackend;
using Kind = testing::SoundCall::Kind;

class SoundDialogTest final : public QObject {
    Q_OBJECT

private:
    template <typename T> static T* Find(QWidget& dialog, const char* name) {
        T* child = dialog.findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no control %s", name);
        return child;
    }
    static void ClickOk(QDialog& dialog) {
        auto* box = dialog.findChild<QDialogButtonBox*>();
        QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
    }

    testing::TempFolder folder_;

private slots:
    void EveryControlOfBothDialogsHasAName() {
        MemorySettings settings;
        RecordingSoundBackend backend;
        SetupSoundDialog setup({2, 0x10000, ""}, backend, settings);
        QCOMPARE(QString::fromStdString(testing::NamelessControls(setup)), QString());
        EventRecord event;
        ReminderSoundDialog reminder(event, {0x10001, 0x00000014, ""}, backend, settings);
        QCOMPARE(QString::fromStdString(testing::NamelessControls(reminder)), QString());
    }

    void SetupSoundStoresTheChoiceAndTheRecentFiles() {
        const std::string wave = folder_.File("ring.wav");
        const std::string other = folder_.File("gong.wav");
        testing::WriteFile(wave, testing::WaveBytes({}));
        testing::WriteFile(other, testing::WaveBytes({}));
        MemorySettings settings;
        settings.values["RecentSounds/File1"] = other;
        RecordingSoundBackend backend;

        SetupSoundDialog dialog({0x10001, 0x00000014, wave}, backend, settings);
        auto* list = Find<QComboBox>(dialog, "recentFiles");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentText(), QStringLiteral("ring.wav")); // newest first, selected
        QVERIFY(!list->isEnabled());
        QVERIFY(Find<QSpinBox>(dialog, "pauseSeconds")->isEnabled());

        QTest::mouseClick(Find<QRadioButton>(dialog, "soundFile"), Qt::LeftButton);
        QVERIFY(list->isEnabled());
        auto* minutes = Find<QSpinBox>(dialog, "pauseMinutes");
        auto* seconds = Find<QSpinBox>(dialog, "pauseSeconds");
        minutes->clear();
        QTest::keyClicks(minutes, "150"); // more than 99 becomes 99
        QCOMPARE(minutes->value(), 99);
        minutes->setValue(0);
        seconds->setValue(0);
        QTest::mouseClick(Find<QPushButton>(dialog, "play"), Qt::LeftButton);
        QCOMPARE(backend.TimesOf(Kind::WaveFile).size(), size_t{1});

        // Browsing adds the chosen file and selects it; the preview stops on the change.
        dialog.Panel()->SetFileChooser(
            [&](QWidget*, const QString&) { return QString::fromStdString(other); });
        QTest::mouseClick(Find<QPushButton>(dialog, "browse"), Qt::LeftButton);
        QCOMPARE(list->currentText(), QStringLiteral("gong.wav"));
        QCOMPARE(backend.calls.back().what, Kind::Stop);

        ClickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Result().sound, 0x10002u);
        QCOMPARE(dialog.Result().pause, 1u); // 0:00 is stored as 0:01
        QCOMPARE(dialog.Result().file, other);
        QCOMPARE(settings.values["RecentSounds/File1"], other);
        QCOMPARE(settings.values["RecentSounds/File2"], wave);
    }

    void PlayShowsThatThePreviewPlays() {
        const std::string bell = folder_.File("bell.oga"); // 0.3 s
        testing::WriteFile(bell, testing::OggBytes({.samples = 13230}));
        MemorySettings settings;
        RecordingSoundBackend backend;
        SetupSoundDialog dialog({2, 0x10000, bell}, backend, settings);
        auto* play = Find<QPushButton>(dialog, "play");
        QCOMPARE(play->text(), QStringLiteral("&Play"));

        // Once: held down while it plays, up again when it has played.
        QTest::mouseClick(play, Qt::LeftButton);
        QCOMPARE(backend.TimesOf(Kind::WaveFile).size(), size_t{1});
        QCOMPARE(play->text(), QStringLiteral("&Stop"));
        QVERIFY(play->isChecked());
        QTRY_COMPARE(play->text(), QStringLiteral("&Play"));
        QVERIFY(!play->isChecked());

        // Repeated: a second click stops it.
        QTest::mouseClick(Find<QCheckBox>(dialog, "repeat"), Qt::LeftButton);
        QTest::mouseClick(play, Qt::LeftButton);
        QCOMPARE(play->text(), QStringLiteral("&Stop"));
        QTest::mouseClick(play, Qt::LeftButton);
        QCOMPARE(play->text(), QStringLiteral("&Play"));
        QVERIFY(!play->isChecked());
        QCOMPARE(backend.calls.back().what, Kind::Stop);
        QCOMPARE(backend.TimesOf(Kind::WaveFile).size(), size_t{2});
    }

    void OkWithoutAFileWarnsAndStays() {
        MemorySettings settings;
        RecordingSoundBackend backend;
        SetupSoundDialog dialog({2, 0x10000, ""}, backend, settings);
        dialog.show();
        QString warning;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                warning = box->text();
                box->accept();
            }
        });
        ClickOk(dialog);
        QCOMPARE(warning, QStringLiteral("Please specify a sound file name."));
        QVERIFY(dialog.isVisible());
        QCOMPARE(backend.TimesOf(Kind::Exclamation).size(), size_t{1});
    }

    void ReminderSoundFollowsTheTypeUntilCustomOptionsAreChosen() {
        MemorySettings settings;
        RecordingSoundBackend backend;
        EventRecord event;
        event.sound = 0;
        ReminderSoundDialog dialog(event, {0x10001, 0x00000014, ""}, backend, settings);
        auto* beep = Find<QRadioButton>(dialog, "defaultBeep");
        auto* none = Find<QRadioButton>(dialog, "noSound");
        QVERIFY(beep->isChecked()); // the type's sound, shown disabled
        QVERIFY(!beep->isEnabled());

        QTest::mouseClick(Find<QCheckBox>(dialog, "useCustom"), Qt::LeftButton);
        QVERIFY(beep->isEnabled());
        QTest::mouseClick(none, Qt::LeftButton);
        QVERIFY(!Find<QCheckBox>(dialog, "repeat")->isChecked());
        ClickOk(dialog);
        QVERIFY(event.Has(kCustomSound));
        QCOMPARE(event.sound, 0u);
    }
};

} // namespace zm

QTEST_MAIN(zm::SoundDialogTest)
#include "sound_dialogs_qtest.moc"
