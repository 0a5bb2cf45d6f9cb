#pragma once
// Boxes a test answers: every box is recorded with its text, and questions take the answers
// queued (No once the queue is empty).

#include "ui/common/user_boxes.h"

#include <QString>
#include <deque>
#include <vector>

namespace zm {

class AnsweringBoxes final : public UserBoxes {
public:
    struct Shown {
        QString text;
        BoxIcon icon;
    };

    void Tell(QWidget*, const QString& text, BoxIcon icon) override {
        shown.push_back({text, icon});
    }
    bool AskYesNo(QWidget*, const QString& text, BoxIcon icon) override {
        shown.push_back({text, icon});
        return Next() == BoxAnswer::Yes;
    }
    BoxAnswer AskYesNoCancel(QWidget*, const QString& text, BoxIcon icon) override {
        shown.push_back({text, icon});
        return Next();
    }
    void ReportLibraryError(QWidget*, LibraryResult code) override { errors.push_back(code); }
    void Beep() override { ++beeps; }

    void Answer(BoxAnswer answer) { answers.push_back(answer); }
    QString LastText() const { return shown.empty() ? QString() : shown.back().text; }

    std::vector<Shown> shown;
    std::vector<LibraryResult> errors;
    std::deque<BoxAnswer> answers;
    int beeps = 0;

private:
    BoxAnswer Next() {
        if (answers.empty()) return BoxAnswer::No;
        const BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

} // namespace zm
