#pragma once

#include "Field.h"

#include <QtGlobal>

// The foundation library's global value conversion.
namespace vexa {

// The field's value at the record set's current row as a 32-bit integer: a null gives the
// fallback; numbers round half to even; true is -1; numeric text converts. A value out of range
// raises error 6 (overflow), one that is no number error 13 (type mismatch).
qint32 ToLong(const ado::Field& field, qint32 fallback = 0);

}  // namespace vexa
