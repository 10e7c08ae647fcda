#include "host/qt/studio/picture_view.h"

#include <QLabel>
#include <QPixmap>

namespace norvel::host::qt {

PictureView::PictureView(const std::filesystem::path& file, QWidget* parent)
    : QScrollArea(parent), file_(file), label_(new QLabel(this)) {
    setObjectName("pictureView");
    label_->setObjectName("picture");
    label_->setAlignment(Qt::AlignCenter);
    QPixmap picture(QString::fromStdString(file.string()));
    loaded_ = !picture.isNull();
    if (loaded_)
        label_->setPixmap(picture);
    else
        label_->setText(QString("%1 cannot be shown: its picture format is not known here")
                            .arg(QString::fromStdString(file.filename().string())));
    setWidget(label_);
    setWidgetResizable(true);
    setBackgroundRole(QPalette::Dark);
}

}  // namespace norvel::host::qt
