#include "host/qt/studio/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace norvel::host::qt {

FindDialog::FindDialog(Actions actions, QWidget* parent)
    : QDialog(parent),
      actions_(std::move(actions)),
      find_(new QLineEdit(this)),
      replace_(new QLineEdit(this)),
      replaceLabel_(new QLabel("Replace &with:", this)),
      matchCase_(new QCheckBox("Match &case", this)),
      replaceButton_(new QPushButton("&Replace", this)),
      replaceAllButton_(new QPushButton("Replace &All", this)),
      outcome_(new QLabel(this)) {
    setObjectName("findDialog");
    setModal(false);
    find_->setObjectName("findText");
    replace_->setObjectName("replaceText");
    auto* findLabel = new QLabel("Fi&nd what:", this);
    findLabel->setBuddy(find_);
    replaceLabel_->setBuddy(replace_);
    auto* findButton = new QPushButton("&Find Next", this);
    findButton->setDefault(true);
    auto* closeButton = new QPushButton("Close", this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(find_, 0, 1);
    grid->addWidget(findButton, 0, 2);
    grid->addWidget(replaceLabel_, 1, 0);
    grid->addWidget(replace_, 1, 1);
    grid->addWidget(replaceButton_, 1, 2);
    grid->addWidget(matchCase_, 2, 1);
    grid->addWidget(replaceAllButton_, 2, 2);
    grid->addWidget(outcome_, 3, 0, 1, 2);
    grid->addWidget(closeButton, 3, 2);

    connect(findButton, &QPushButton::clicked, this, &FindDialog::findNext);
    connect(replaceButton_, &QPushButton::clicked, this, &FindDialog::replaceOne);
    connect(replaceAllButton_, &QPushButton::clicked, this, &FindDialog::replaceAll);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void FindDialog::showFor(bool replacing) {
    setWindowTitle(replacing ? "Find and Replace" : "Find");
    for (QWidget* widget : std::initializer_list<QWidget*>{replaceLabel_, replace_, replaceButton_,
                                                           replaceAllButton_})
        widget->setVisible(replacing);
    outcome_->clear();
    show();
    raise();
    activateWindow();
    find_->setFocus();
    find_->selectAll();
}

QString FindDialog::outcome() const {
    return outcome_->text();
}

void FindDialog::findNext() {
    if (find_->text().isEmpty())
        return;
    bool found = actions_.findNext(find_->text(), matchCase_->isChecked());
    outcome_->setText(found ? QString() : QString("\"%1\" was not found").arg(find_->text()));
}

void FindDialog::replaceOne() {
    if (find_->text().isEmpty())
        return;
    bool replaced = actions_.replace(find_->text(), replace_->text(), matchCase_->isChecked());
    outcome_->setText(replaced ? QString() : QString("\"%1\" was not found").arg(find_->text()));
}

void FindDialog::replaceAll() {
    if (find_->text().isEmpty())
        return;
    int count = actions_.replaceAll(find_->text(), replace_->text(), matchCase_->isChecked());
    outcome_->setText(count == 1 ? QString("1 replacement")
                                 : QString("%1 replacements").arg(count));
}

}  // namespace norvel::host::qt
