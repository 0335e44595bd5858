#include "ClientDataSet.h"

#include "DataSetProvider.h"
#include "framework/Exception.h"

TClientDataSet::TClientDataSet(QObject* owner)
    : TDataSet(owner)
    , m_fieldSettings(new TFieldSettings(this))
{
}

void TClientDataSet::SetProviderName(const QString& name)
{
    Close();
    m_providerName = name;
}

void TClientDataSet::SetReadOnly(bool readOnly)
{
    if (readOnly) CheckBrowseMode();
    m_readOnly = readOnly;
}

TDataSetProvider* TClientDataSet::FindProvider() const
{
    const TComponentBase* owner = Owner();
    if (!owner) return nullptr;
    // Still the owner's component of that name (names are unique per owner)?
    if (m_provider && m_provider->Owner() == owner && !m_providerName.isEmpty()
        && m_provider->Name().compare(m_providerName, Qt::CaseInsensitive) == 0)
        return m_provider;
    m_provider = qobject_cast<TDataSetProvider*>(owner->FindComponent(m_providerName));
    return m_provider;
}

void TClientDataSet::LoadData(const QList<TFieldDef>& defs, const QList<TRow>& rows)
{
    Close();
    m_providerName.clear();
    m_dataDefs = defs;
    m_dataRows = rows;
    m_hasData = true;
    Open();
}

void TClientDataSet::InternalOpen(QList<TFieldDef>& defs, QList<TRow>& rows)
{
    if (m_hasData && m_providerName.isEmpty()) {
        defs = m_dataDefs;
        rows = m_dataRows;
    } else {
        TDataSetProvider* provider = FindProvider();
        if (!provider)
            throw Exception(QStringLiteral("%1: Missing data provider or data packet").arg(Name()));
        provider->GetRecords(defs, rows);
    }
    for (int i = 0; i < m_fieldSettings->Count(); ++i) {
        const QString& name = m_fieldSettings->At(i)->FieldName();
        const bool known = std::any_of(defs.cbegin(), defs.cend(),
            [&](const TFieldDef& d) { return d.name.compare(name, Qt::CaseInsensitive) == 0; });
        if (!known) throw Exception(QStringLiteral("%1: Field '%2' not found").arg(Name(), name));
    }
}

void TClientDataSet::InitField(TField& field)
{
    for (int i = 0; i < m_fieldSettings->Count(); ++i) {
        const TFieldSetting* s = m_fieldSettings->At(i);
        if (s->FieldName().compare(field.FieldName(), Qt::CaseInsensitive) == 0 && s->DisplayWidth() > 0)
            field.SetDisplayWidth(s->DisplayWidth());
    }
}
