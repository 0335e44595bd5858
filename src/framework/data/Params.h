#pragma once
// The parameters of a query, bound by name. Binding a value also sets the parameter's
// type: text or 32-bit integer.
#include "DataTypes.h"
#include "framework/Collection.h"

#include <QObject>
#include <QString>
#include <QVariant>

class TParam : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(db::TFieldType DataType READ DataType WRITE SetDataType)
    Q_PROPERTY(db::TParamType ParamType READ ParamType WRITE SetParamType)
public:
    explicit TParam(QObject* collection = nullptr)
        : QObject(collection)
    {
    }

    const QString& Name() const { return m_name; }
    void SetName(const QString& name) { m_name = name; }
    TFieldType DataType() const { return m_dataType; }
    void SetDataType(TFieldType type) { m_dataType = type; }
    TParamType ParamType() const { return m_paramType; }
    void SetParamType(TParamType type) { m_paramType = type; }

    void SetAsString(const QString& value);
    void SetAsInteger(qint32 value);
    void Clear() { m_value = QVariant(); }
    bool IsNull() const { return m_value.isNull(); }
    QString AsString() const { return m_value.toString(); }
    qint32 AsInteger() const { return m_value.toInt(); }
    // What the driver binds: a QString, a qint32 or null.
    const QVariant& Value() const { return m_value; }

private:
    QString m_name;
    TFieldType m_dataType = db::ftUnknown;
    TParamType m_paramType = db::ptInput;
    QVariant m_value;
};

class TParams : public TCollection {
    Q_OBJECT
public:
    explicit TParams(QObject* owner = nullptr)
        : TCollection(owner)
    {
    }

    TParam* Add() override { return static_cast<TParam*>(Append(new TParam(this))); }
    TParam* At(int index) const { return static_cast<TParam*>(Item(index)); }
    TParam* FindParam(const QString& name) const;
    // Raises Exception when there is no parameter of that name.
    TParam& ParamByName(const QString& name) const;
};
