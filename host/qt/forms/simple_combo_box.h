// A combo box of the simple style: an edit field above a list that is always open. It is a
// QComboBox, so it is synchronised and driven like the other combo boxes; the edit field is
// drawn in its top line and a list view of the same items fills the rest.
#pragma once

#include <QComboBox>

class QListView;

namespace norvel::host::qt {

class SimpleComboBox : public QComboBox {
  public:
    explicit SimpleComboBox(QWidget* parent);

    QListView* listView() const { return list_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // QComboBox lays its edit field out over the whole control whenever it sees fit; this
    // puts it back into the top line.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QRect editLine() const;
    void placeParts();

    QListView* list_;
    bool placing_ = false;
};

}  // namespace norvel::host::qt
