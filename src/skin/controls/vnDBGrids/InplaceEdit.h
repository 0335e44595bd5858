#pragma once
// The data-aware grid's cell editor and its drop-down pick list.
//
// TvnSkinInplaceEdit is the framework's mask edit in its transparent mode (the line edit
// draws only its text) over a face the grid hands it: the skin's focused-cell picture at
// the cell's size, so the cell keeps its skinned look while it is edited.
// TDBGridInplaceEdit adds what a data column offers: a pick list (the column's PickList)
// that drops down under the cell (Alt+Down or F4, or the button at the cell's right end),
// and an ellipsis button for cbsEllipsis columns.
//
// TvnDBPopupListbox is the pick list: a popup window drawn from a list box record
// ("listbox" unless the grid names another): the record's frame round the items, the
// chosen item on the record's focused-item face, the record's font. Without a record it
// is a plain list in system colours. With a caption (the grid's PickListBoxCaptionMode) the
// column's title stands over the items: in the record's caption rectangle and caption font
// when the record has one, else on a button-face strip one item high.
#include "framework/stdctrls/MaskEdit.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <functional>

class TvnSkinData;
class TvnDataSkinListBox;

class TvnDBPopupListbox : public QWidget {
    Q_OBJECT
public:
    explicit TvnDBPopupListbox(QWidget* owner);

    void SetSkin(TvnSkinData* store, const QString& recordName);
    void SetItems(const QStringList& items);
    const QStringList& Items() const { return m_items; }
    int ItemIndex() const { return m_index; }
    void SetItemIndex(int index);
    void SetFont(const QFont& font);
    // Empty: no caption.
    void SetCaption(const QString& caption);
    const QString& Caption() const { return m_caption; }
    // Where the caption is drawn (empty without one).
    QRect CaptionRect() const;
    // Shows the list under `cell` (global coordinates), `rows` items high at most.
    void DropDown(const QRect& cell, int rows);
    int ItemHeight() const;
    // The record the list draws from, or nullptr.
    const TvnDataSkinListBox* Record() const;

    // The item chosen with a click or Enter; the list has closed already.
    std::function<void(const QString&)> OnPick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect ItemsRect() const;
    // The caption takes its own strip (no caption area in the record, or no record).
    bool CaptionStrip() const;
    void PaintCaption(QPainter& painter) const;
    int ItemAt(QPoint point) const;
    void Pick();

    QPointer<TvnSkinData> m_store;
    QString m_recordName;
    QStringList m_items;
    QString m_caption;
    int m_index = -1;
    int m_first = 0;
    QFont m_font;
};

class TvnSkinInplaceEdit : public TMaskEdit {
    Q_OBJECT
public:
    explicit TvnSkinInplaceEdit(QObject* owner = nullptr);
    // The picture drawn behind the text (the cell's face); null: the edit's colour.
    void SetFace(const QImage& face);

protected:
    void PaintFace(QPainter& painter) override;

private:
    QImage m_face;
};

class TDBGridInplaceEdit : public TvnSkinInplaceEdit {
    Q_OBJECT
public:
    enum TEditStyle { esSimple, esEllipsis, esPickList };

    explicit TDBGridInplaceEdit(QObject* owner = nullptr);

    TEditStyle EditStyle() const { return m_style; }
    void SetEditStyle(TEditStyle style, const QStringList& pickList = {}, int dropDownRows = 7);
    TvnDBPopupListbox* PickList() const { return m_list; }
    bool ListVisible() const;
    void DropDown();
    void CloseUp();
    // Where the button at the right end lies (empty for esSimple).
    QRect ButtonRect() const;

    // Keys the grid handles while the editor has the focus (leaving the cell, Esc, ...):
    // true when the grid took the key.
    std::function<bool(QKeyEvent*)> OnGridKey;
    // The ellipsis button was pressed.
    std::function<void()> OnEllipsis;
    // The text changed by typing or by a pick.
    std::function<void()> OnEdited;

    void SetListSkin(TvnSkinData* store, const QString& recordName);
    // The form hands a control its keys as CN_KEYDOWN before the line edit sees them
    // (Enter and Esc never reach it): the grid's keys are taken here.
    void WndProc(TMessage& message) override;

protected:
    QRect EditRect() const override;
    void PaintFace(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The list's keys, then the grid's; true when one was taken.
    bool KeyDown(QKeyEvent* key);

    TEditStyle m_style = esSimple;
    int m_dropDownRows = 7;
    TvnDBPopupListbox* m_list;
};
