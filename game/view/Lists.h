#pragma once

#include "Controls.h"

#include <QLineEdit>
#include <QListWidget>

#include <functional>

// The list controls of the game's windows on Qt widgets: the map list, the saved games' file list and the
// save panel's name box.
namespace velmor {

// The light yellow of the lists, with black text.
void styleAsGameList(QWidget* list);

// A list box. Selecting an entry, by a click or by setListIndex, raises its click.
class ListBoxControl : public WidgetControl<ListBox> {
  public:
    explicit ListBoxControl(QListWidget* list);
    void onClick(std::function<void()> handler) { click_ = std::move(handler); }

    void clear() override;
    void addItem(const QString& entry) override;
    int listCount() const override { return list_->count(); }
    void setListIndex(int index) override;
    int listIndex() const override { return list_->currentRow(); }
    QString text() const override;

  private:
    QListWidget* list_;
    std::function<void()> click_;
    bool selecting_ = false;
};

// A file list over a folder and a pattern; it shows the names it found.
class FileListControl : public WidgetControl<FileList> {
  public:
    explicit FileListControl(QListWidget* list);

    void setPattern(const QString& pattern) override { pattern_ = pattern; }
    void setPath(const QString& folder) override;
    void refresh() override;
    int listCount() const override { return list_->count(); }
    void setListIndex(int index) override;
    QString fileName() const override;

  private:
    QListWidget* list_;
    QString folder_;
    QString pattern_ = QStringLiteral("*.*");
};

// The name box: a text field with its list always shown below it; a click on an entry copies it into the
// text field. Whenever it comes into view the keyboard types into it.
class NameBox : public QWidget {
  public:
    explicit NameBox(QWidget* parent = nullptr);
    QLineEdit* field() const { return field_; }
    QListWidget* list() const { return list_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* field_;
    QListWidget* list_;
};

class NameBoxControl : public WidgetControl<ListBox> {
  public:
    explicit NameBoxControl(NameBox* box);

    void clear() override;
    void addItem(const QString& entry) override;
    int listCount() const override { return box_->list()->count(); }
    void setListIndex(int index) override;
    int listIndex() const override { return box_->list()->currentRow(); }
    QString text() const override { return box_->field()->text(); }
    void setText(const QString& text) { box_->field()->setText(text); }

  private:
    NameBox* box_;
};

} // namespace velmor
