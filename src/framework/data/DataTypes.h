#pragma once
// Value types of the data access layer: field types, parameter directions and the
// states and events a data set reports to the controls bound to it.
#include <QMetaType>

namespace db {
Q_NAMESPACE

// ftFMTBcd is an exact decimal: read as its decimal text, never through a double.
// ftGraphic holds a picture's encoded bytes.
enum TFieldType { ftUnknown, ftString, ftInteger, ftDate, ftFMTBcd, ftBoolean, ftGraphic };
Q_ENUM_NS(TFieldType)

enum TParamType { ptUnknown, ptInput };
Q_ENUM_NS(TParamType)

// Browsing, or changing the current row in memory (dsEdit) or a new one (dsInsert).
enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };
Q_ENUM_NS(TDataSetState)

} // namespace db

using db::TDataSetState;
using db::TFieldType;
using db::TParamType;

// What a data set tells its data sources (and they their links).
enum class TDataEvent {
    ActiveChange, // opened or closed
    DataSetScroll, // the current row moved; the argument is the distance
    DataSetChange, // rows came, went or were posted or cancelled
    RecordChange, // a field of the current row changed; the argument is its index
    StateChange, // editing began or ended
    UpdateRecord, // before a post: controls write what they hold into the fields
};
