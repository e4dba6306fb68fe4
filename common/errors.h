// The run-time error every failing operation raises, and the two ways a routine traps it:
// report and resume, or ignore and resume.
#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <string>

namespace tessel {

// Numbers follow the classic run-time's, so a report reads the same on every platform.
enum class ErrorCode : int {
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    FileNotFound = 53,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    ResourceNotFound = 326,
    InvalidPropertyValue = 380,
    InvalidPicture = 481,
};

class TesselError : public std::exception
{
public:
    TesselError(ErrorCode code, QString description);

    int number() const { return static_cast<int>(m_code); }
    ErrorCode code() const { return m_code; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    ErrorCode m_code;
    QString m_description;
    std::string m_what;
};

// Raised by a test's "end the program" so that the code after the end never runs there.
// Deliberately not a std::exception: no trap swallows it.
struct ProgramEnded
{
    int exitCode = 0;
};

// Any exception a step lets out, as the run-time error a report shows.
TesselError asTesselError(std::exception_ptr error);

using ErrorReporter = std::function<void(const TesselError&)>;

// Runs steps under a "report and resume" trap: a failing step is handed to the reporter
// (which returns when the user goes on) and the next step runs.
class ReportingTrap
{
public:
    explicit ReportingTrap(ErrorReporter reporter)
        : m_reporter(std::move(reporter))
    { }

    template<class Step>
    bool operator()(Step&& step) const
    {
        try {
            step();
            return true;
        } catch (const std::exception&) {
            m_reporter(asTesselError(std::current_exception()));
        }
        return false;
    }

private:
    ErrorReporter m_reporter;
};

// "Ignore and resume": the step's failure is swallowed; returns whether it succeeded.
template<class Step>
bool ignoreErrors(Step&& step)
{
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace tessel
