#include "host/qt/forms/simple_combo_box.h"

#include <QEvent>
#include <QLineEdit>
#include <QListView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace norvel::host::qt {

SimpleComboBox::SimpleComboBox(QWidget* parent) : QComboBox(parent), list_(new QListView(this)) {
    setEditable(true);
    lineEdit()->installEventFilter(this);
    list_->setModel(model());
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFocusPolicy(Qt::NoFocus);
    // A click on an item chooses it, as choosing from the drop-down list does.
    connect(list_, &QListView::clicked, this, [this](const QModelIndex& index) {
        setCurrentIndex(index.row());
        emit activated(index.row());
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int row) {
        list_->setCurrentIndex(row >= 0 ? model()->index(row, 0) : QModelIndex());
    });
}

QRect SimpleComboBox::editLine() const {
    int height = std::min(this->height(), QComboBox::sizeHint().height());
    return QRect(0, 0, width(), height);
}

void SimpleComboBox::placeParts() {
    if (placing_)
        return;
    placing_ = true;
    QRect line = editLine();
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.rect = line;
    if (QLineEdit* edit = lineEdit())
        edit->setGeometry(style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, this));
    list_->setGeometry(0, line.bottom() + 1, width(), std::max(0, height() - line.height()));
    placing_ = false;
}

bool SimpleComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeParts();
    return QComboBox::eventFilter(watched, event);
}

void SimpleComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.rect = editLine();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
}

void SimpleComboBox::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    placeParts();
}

void SimpleComboBox::showEvent(QShowEvent* event) {
    QComboBox::showEvent(event);
    placeParts();
}

}  // namespace norvel::host::qt
