#include "common/errors.h"

#include <new>
#include <stdexcept>

namespace tessel {

TesselError::TesselError(ErrorCode code, QString description)
    : m_code(code)
    , m_description(std::move(description))
    , m_what(m_description.toStdString())
{ }

TesselError asTesselError(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const TesselError& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return TesselError(ErrorCode::OutOfMemory, QStringLiteral("Out of memory"));
    } catch (const std::out_of_range& e) {
        return TesselError(ErrorCode::SubscriptOutOfRange, QString::fromLocal8Bit(e.what()));
    } catch (const std::exception& e) {
        return TesselError(ErrorCode::InvalidCall, QString::fromLocal8Bit(e.what()));
    }
}

} // namespace tessel
