#pragma once
// The data-aware grid's options and its declared columns. A grid without declared
// columns makes one per visible field of its data set; declared columns name their field
// and may give a width, an alignment and a title of their own.
#include "framework/Collection.h"
#include "framework/Font.h"
#include "framework/Types.h"

#include <QFlags>
#include <QObject>

namespace vndbgrid {
Q_NAMESPACE

enum TvnDBGridOption {
    dgEditing = 0x1,
    dgAlwaysShowEditor = 0x2,
    dgTitles = 0x4,
    dgIndicator = 0x8,
    dgColumnResize = 0x10,
    dgColLines = 0x20,
    dgRowLines = 0x40,
    dgTabs = 0x80,
    dgRowSelect = 0x100,
    dgAlwaysShowSelection = 0x200,
    dgConfirmDelete = 0x400,
    dgCancelOnExit = 0x800,
    dgMultiSelect = 0x1000
};
Q_DECLARE_FLAGS(TvnDBGridOptions, TvnDBGridOption)
Q_FLAG_NS(TvnDBGridOptions)

enum TvnColumnButtonStyle { cbsAuto, cbsEllipsis, cbsNone };
Q_ENUM_NS(TvnColumnButtonStyle)

} // namespace vndbgrid

Q_DECLARE_OPERATORS_FOR_FLAGS(vndbgrid::TvnDBGridOptions)

using namespace vndbgrid;

class TvnColumnTitle : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(fw::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(TFont* Font READ Font)
public:
    explicit TvnColumnTitle(QObject* column = nullptr);

    // Empty: the field's name.
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TFont* Font() const { return m_font; }

signals:
    void Changed();

private:
    QString m_caption;
    TAlignment m_alignment = taLeftJustify;
    TColor m_color = clr::clBtnFace;
    TFont* m_font;
};

class TvnColumn : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FieldName READ FieldName WRITE SetFieldName)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(fw::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
    Q_PROPERTY(bool Expanded READ Expanded WRITE SetExpanded)
    Q_PROPERTY(int DropDownRows READ DropDownRows WRITE SetDropDownRows)
    Q_PROPERTY(vndbgrid::TvnColumnButtonStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
    Q_PROPERTY(QStringList PickList READ PickList WRITE SetPickList)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(TFont* Font READ Font)
    Q_PROPERTY(TvnColumnTitle* Title READ Title)
public:
    explicit TvnColumn(QObject* collection = nullptr);

    QString FieldName() const { return m_fieldName; }
    void SetFieldName(const QString& name);
    // 0 until set: the width the field's display width gives.
    int Width() const { return m_width; }
    void SetWidth(int width);
    // The field's alignment until set.
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool AlignmentSet() const { return m_alignmentSet; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool Expanded() const { return m_expanded; }
    void SetExpanded(bool expanded) { m_expanded = expanded; }
    int DropDownRows() const { return m_dropDownRows; }
    void SetDropDownRows(int rows) { m_dropDownRows = rows; }
    TvnColumnButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(TvnColumnButtonStyle style) { m_buttonStyle = style; }
    QStringList PickList() const { return m_pickList; }
    void SetPickList(const QStringList& list) { m_pickList = list; }
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TFont* Font() const { return m_font; }
    // Whether the font was given; until then the column draws in its grid's font.
    bool FontAssigned() const { return m_fontAssigned; }
    TvnColumnTitle* Title() const { return m_title; }
    // What the title shows: its caption, or the field's name without one.
    QString TitleText() const { return m_title->Caption().isEmpty() ? m_fieldName : m_title->Caption(); }

signals:
    // Anything the grid lays out or draws from changed.
    void Changed();

private:
    QString m_fieldName;
    int m_width = 0;
    TAlignment m_alignment = taLeftJustify;
    bool m_alignmentSet = false;
    bool m_visible = true;
    bool m_readOnly = false;
    bool m_expanded = true;
    int m_dropDownRows = 7;
    TvnColumnButtonStyle m_buttonStyle = cbsAuto;
    QStringList m_pickList;
    TColor m_color = clr::clWindow;
    TFont* m_font;
    bool m_fontAssigned = false;
    TvnColumnTitle* m_title;
};

class TvnDBGridColumns : public TOwnedCollection<TvnColumn> {
    Q_OBJECT
public:
    explicit TvnDBGridColumns(QObject* owner = nullptr)
        : TOwnedCollection<TvnColumn>(owner)
    {
    }
};
