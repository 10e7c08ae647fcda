// The studio's Find and Replace window: modeless, it acts on the page in front through the
// window's callbacks. Escape or Close hides it.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace norvel::host::qt {

class FindDialog : public QDialog {
    Q_OBJECT
  public:
    struct Actions {
        // Selects the next match after the caret (wrapping round); false when there is none.
        std::function<bool(const QString& text, bool matchCase)> findNext;
        // Replaces the match that is selected, then finds the next; false when none was.
        std::function<bool(const QString& text, const QString& with, bool matchCase)> replace;
        // Replaces every match in the page as one step to undo; the number replaced.
        std::function<int(const QString& text, const QString& with, bool matchCase)> replaceAll;
    };

    FindDialog(Actions actions, QWidget* parent = nullptr);

    // Shows the window for finding only, or for finding and replacing.
    void showFor(bool replacing);

    QLineEdit& findText() const { return *find_; }
    QLineEdit& replaceText() const { return *replace_; }
    QCheckBox& matchCase() const { return *matchCase_; }
    // What the last action found or replaced, as the window tells it.
    QString outcome() const;

    void findNext();
    void replaceOne();
    void replaceAll();

  private:
    Actions actions_;
    QLineEdit* find_;
    QLineEdit* replace_;
    QLabel* replaceLabel_;
    QCheckBox* matchCase_;
    QPushButton* replaceButton_;
    QPushButton* replaceAllButton_;
    QLabel* outcome_;
};

}  // namespace norvel::host::qt
