#pragma once
// "Change Icon": an icon for a type or a quick reminder, chosen from the program's own icons,
// the desktop's icon theme, or an icon or image file (.ico with all its pictures, .png, .svg,
// .xpm) picked with "Browse".

#include "res/icon_image.h"

#include <QDialog>
#include <QIcon>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QListWidget;

namespace zm {

class UserBoxes;

struct ChosenIcon {
    IconImage small; // 16 pixels
    IconImage large; // 32 pixels
};

class ChangeIconDialog final : public QDialog {
    Q_OBJECT
public:
    // Asks the user for an icon file; an empty text when none was chosen.
    using FileChooser = std::function<QString(QWidget* parent, const QString& startFolder)>;

    // `iconFolder`: where "Browse" starts (the program's icon folder).
    ChangeIconDialog(UserBoxes& boxes, QString iconFolder, QWidget* parent = nullptr);

    // Shows the icons of a file and adds it to the sources. False, after telling the user,
    // when the file holds no picture that can be read.
    bool ShowFile(const QString& path);
    // The icon selected, at 16 and 32 pixels; none while nothing is selected.
    std::optional<ChosenIcon> Chosen() const;

    void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    QListWidget* Icons() const { return icons_; }
    QComboBox* Sources() const { return sources_; }

    void accept() override;

private:
    // One icon of the list: the program's own pictures, or an icon to draw at any size.
    struct Entry {
        IconImage small;
        IconImage large;
        QIcon icon;
    };
    void AddSource(const QString& text, std::vector<Entry> entries);
    void ShowSource(int index);
    void OnBrowse();

    UserBoxes& boxes_;
    QString iconFolder_;
    FileChooser chooser_;
    std::vector<std::vector<Entry>> sourceEntries_;
    QComboBox* sources_;
    QListWidget* icons_;
};

// The icons of the desktop's icon theme among the names every theme is asked for; empty when
// the desktop has no theme.
std::vector<QIcon> ThemeIcons();

// Every picture an icon or image file holds (all sizes of an .ico); empty when there is none.
std::vector<QImage> PicturesOfFile(const QString& path);

} // namespace zm
