#pragma once
// The fields of a data set: one column of its rows, read from the row that is current
// (or that a data link is painting). A closed or empty data set reads as empty text,
// 0 and a null date.
#include "DataTypes.h"
#include "framework/Types.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QString>
#include <QVariant>

class TDataSet;

// What a data set knows of a column before it has rows: name, type, size in characters
// (text) and whether the server forbids nulls.
struct TFieldDef {
    QString name;
    TFieldType type = db::ftUnknown;
    int size = 0;
    bool required = false;

    bool operator==(const TFieldDef&) const = default;
};

using TRow = QList<QVariant>;

class TField {
public:
    TField(TDataSet* dataSet, const TFieldDef& def, int index);
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    TDataSet* DataSet() const { return m_dataSet; }
    const QString& FieldName() const { return m_def.name; }
    TFieldType DataType() const { return m_def.type; }
    // Maximum length in characters of a text field; 0 for other types.
    int Size() const { return m_def.size; }
    bool Required() const { return m_def.required; }
    const TFieldDef& Def() const { return m_def; }
    // Position in the data set's field list; -1 for the stand-in of a field that a closed
    // data set has never had.
    int Index() const { return m_index; }

    // Width in characters that grids give the field's column.
    int DisplayWidth() const;
    void SetDisplayWidth(int width) { m_displayWidth = width; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    // Numbers stand right-aligned, everything else left.
    TAlignment Alignment() const;

    QVariant Value() const;
    bool IsNull() const { return Value().isNull(); }
    QString AsString() const;
    // Raises Exception when the value is not a 32-bit integer.
    qint32 AsInteger() const;
    QDate AsDate() const;
    bool AsBoolean() const;
    // The text a control shows for the value; a picture shows as "(GRAPHIC)".
    QString DisplayText() const;
    // A picture field's image (null when empty or not a picture).
    QImage AsImage() const;

    // Setting a value needs the data set editing the row (Edit, Insert, Append); text is
    // converted by the field's type and raises Exception when it does not fit it. An
    // empty text clears the value.
    void SetValue(const QVariant& value);
    void SetAsString(const QString& text);
    void SetAsInteger(qint32 value) { SetValue(value); }
    void SetAsBoolean(bool value) { SetValue(value); }
    void Clear() { SetValue(QVariant()); }
    // Whether text is a value of this field's type.
    bool IsValidText(const QString& text) const;

    // Date fields read and show day/month/year, the studio's way of writing a date.
    static constexpr const char* kDateFormat = "dd/MM/yyyy";

private:
    friend class TDataSet;
    TDataSet* m_dataSet;
    TFieldDef m_def;
    int m_index;
    int m_displayWidth = 0;
    bool m_visible = true;
};
