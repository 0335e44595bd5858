#include "FieldText.h"

#include "framework/data/DataSet.h"
#include "framework/data/Field.h"

#include <QDate>

namespace vnaccess {

QString FieldText(const TDataSet& data, int record, const TField& field)
{
    if (record < 0 || record >= data.RecordCount()) return {};
    const TRow& row = data.Rows().at(record);
    if (field.Index() >= row.size()) return {};
    const QVariant& v = row.at(field.Index());
    if (v.isNull()) return {};
    if (field.DataType() == db::ftDate) return v.toDate().toString(QLatin1String(TField::kDateFormat));
    return v.toString();
}

} // namespace vnaccess
