#include "Lists.h"

#include "platform/FileListing.h"

#include <QKeyEvent>

namespace velmor {

void styleAsGameList(QWidget* list) {
    list->setStyleSheet(QStringLiteral("background: #ffffc0; color: black;"));
}

ListBoxControl::ListBoxControl(QListWidget* list) : WidgetControl(list), list_(list) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(list_, &QListWidget::currentRowChanged, list_, [this](int row) {
        if (!selecting_ && row >= 0 && click_) click_();
    });
}

void ListBoxControl::clear() {
    selecting_ = true;
    list_->clear();
    selecting_ = false;
}

void ListBoxControl::addItem(const QString& entry) {
    list_->addItem(entry);
}

void ListBoxControl::setListIndex(int index) {
    if (index < 0 || index >= list_->count()) return;
    selecting_ = true;
    list_->setCurrentRow(index);
    selecting_ = false;
    if (click_) click_();
}

QString ListBoxControl::text() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->text() : QString();
}

FileListControl::FileListControl(QListWidget* list) : WidgetControl(list), list_(list) {
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileListControl::setPath(const QString& folder) {
    folder_ = folder;
}

void FileListControl::refresh() {
    list_->clear();
    list_->addItems(matchingFiles(folder_, pattern_));
}

void FileListControl::setListIndex(int index) {
    if (index >= 0 && index < list_->count()) list_->setCurrentRow(index);
}

QString FileListControl::fileName() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->text() : QString();
}

namespace {

// The name box keeps every key it is given: Escape in it does not pause the game a second time.
class NameField : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        event->accept();
    }
};

} // namespace

NameBox::NameBox(QWidget* parent)
    : QWidget(parent), field_(new NameField(this)), list_(new QListWidget(this)) {
    styleAsGameList(field_);
    styleAsGameList(list_);
    QObject::connect(list_, &QListWidget::itemClicked, field_,
                     [this](QListWidgetItem* item) { field_->setText(item->text()); });
}

void NameBox::resizeEvent(QResizeEvent*) {
    const int fieldHeight = field_->sizeHint().height();
    field_->setGeometry(0, 0, width(), fieldHeight);
    list_->setGeometry(0, fieldHeight, width(), std::max(0, height() - fieldHeight));
}

void NameBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    field_->setFocus();
}

NameBoxControl::NameBoxControl(NameBox* box) : WidgetControl(box), box_(box) {}

void NameBoxControl::clear() {
    box_->list()->clear();
    box_->field()->clear();
}

void NameBoxControl::addItem(const QString& entry) {
    box_->list()->addItem(entry);
}

void NameBoxControl::setListIndex(int index) {
    if (index < 0 || index >= box_->list()->count()) return;
    box_->list()->setCurrentRow(index);
    box_->field()->setText(box_->list()->item(index)->text());
}

} // namespace velmor
