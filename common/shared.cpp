#include "common/shared.h"

namespace tessel {

SharedValues& shared()
{
    static SharedValues values;
    return values;
}

} // namespace tessel
