#pragma once

// Ending the program at once, without any window's closing handling (after the database
// message, a failed kind press or a missing clip). An interface so that a test sees that the
// program would end, and with which code, while the test itself goes on.
class ProgramExit
{
public:
    virtual ~ProgramExit() = default;
    virtual void endNow(int exitCode) = 0;
};

// The real one: leaves the process immediately.
class ImmediateExit : public ProgramExit
{
public:
    void endNow(int exitCode) override;
};
