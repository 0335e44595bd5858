#pragma once
// An in-memory table: a copy of all rows of a provider's data set. It keeps its rows when
// the query and the connection behind it are closed. Unless ReadOnly, its rows may be
// changed, added and deleted in memory; the copy never writes back to the database.
#include "DataSet.h"
#include "framework/Collection.h"

#include <QObject>
#include <QPointer>

class TDataSetProvider;

// Settings a declaration gives one field of the copy, found by name when it opens.
class TFieldSetting : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FieldName READ FieldName WRITE SetFieldName)
    Q_PROPERTY(int DisplayWidth READ DisplayWidth WRITE SetDisplayWidth)
public:
    explicit TFieldSetting(QObject* collection = nullptr)
        : QObject(collection)
    {
    }
    const QString& FieldName() const { return m_fieldName; }
    void SetFieldName(const QString& name) { m_fieldName = name; }
    int DisplayWidth() const { return m_displayWidth; }
    void SetDisplayWidth(int width) { m_displayWidth = width; }

private:
    QString m_fieldName;
    int m_displayWidth = 0;
};

class TFieldSettings : public TCollection {
    Q_OBJECT
public:
    explicit TFieldSettings(QObject* owner = nullptr)
        : TCollection(owner)
    {
    }
    TFieldSetting* Add() override { return static_cast<TFieldSetting*>(Append(new TFieldSetting(this))); }
    TFieldSetting* At(int index) const { return static_cast<TFieldSetting*>(Item(index)); }
};

class TClientDataSet : public TDataSet {
    Q_OBJECT
    Q_PROPERTY(QString ProviderName READ ProviderName WRITE SetProviderName)
    Q_PROPERTY(TFieldSettings* FieldSettings READ FieldSettings)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
public:
    explicit TClientDataSet(QObject* owner = nullptr);

    // The provider is a component of the same owner, found by this name when opening.
    const QString& ProviderName() const { return m_providerName; }
    void SetProviderName(const QString& name);
    TFieldSettings* FieldSettings() const { return m_fieldSettings; }
    bool ReadOnly() const { return m_readOnly; }
    // Leaves any edit in progress first (posting a changed row).
    void SetReadOnly(bool readOnly);
    bool CanModify() const override { return Active() && !m_readOnly; }
    // Opens on rows given directly (a copy of another table's data) instead of a
    // provider's, and keeps them for later opens while no provider is named.
    void LoadData(const QList<TFieldDef>& defs, const QList<TRow>& rows);

protected:
    void InternalOpen(QList<TFieldDef>& defs, QList<TRow>& rows) override;
    void InitField(TField& field) override;

private:
    TDataSetProvider* FindProvider() const;

    QString m_providerName;
    // The provider last found by that name, asked first: an action opens the table once.
    mutable QPointer<TDataSetProvider> m_provider;
    TFieldSettings* m_fieldSettings;
    bool m_hasData = false;
    bool m_readOnly = false;
    QList<TFieldDef> m_dataDefs;
    QList<TRow> m_dataRows;
};
