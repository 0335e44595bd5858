#pragma once
// A field's text on any record of its data set, as the data-aware controls show it on
// the current one (TField::AsString), without moving the data set there.

class QString;
class TDataSet;
class TField;

namespace vnaccess {

QString FieldText(const TDataSet& data, int record, const TField& field);

} // namespace vnaccess
