#pragma once
// Value types of the data access layer: field types, parameter directions and the
// states and events a data set reports to the controls bound to it.
#include <QMetaType>

namespace db {
Q_NAMESPACE

// ftFMTBcd is an exact decimal: read as its decimal text, never through a double.
enum TFieldType { ftUnknown, ftString, ftInteger, ftDate, ftFMTBcd };
Q_ENUM_NS(TFieldType)

enum TParamType { ptUnknown, ptInput };
Q_ENUM_NS(TParamType)

// The product only reads its data, so a data set is either closed or browsing; the
// editing states exist so that data-aware controls can name them.
enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };
Q_ENUM_NS(TDataSetState)

} // namespace db

using db::TDataSetState;
using db::TFieldType;
using db::TParamType;

// What a data set tells its data sources (and they their links). Rows and fields only
// change by opening, so there is no separate layout or record change.
enum class TDataEvent {
    ActiveChange, // opened or closed
    DataSetScroll, // the current row moved; the argument is the distance
};
