#pragma once

#include "about/presentation.h"

#include <array>
#include <cstdint>

// Drives the presentation's four timers on a clock of its own, so that a test steps through
// seconds of the presentation at once. A timer that is enabled (from disabled) fires every
// interval from then on; ticks due at the same moment fire in the order Timer1, Timer2,
// Timer3, Timer4. The clock stops once the presentation closes the window.
class SteppedTimers
{
public:
    explicit SteppedTimers(Presentation &presentation)
        : m_p(presentation)
    {
        sync();
    }

    std::int64_t now() const { return m_now; }

    // After a click: takes note of the timers it enabled or disabled.
    void sync()
    {
        for (std::size_t i = 0; i < 4; ++i) {
            const Presentation::Timer &t = timer(i);
            if (!t.enabled)
                m_due[i] = -1;
            else if (m_due[i] < 0)
                m_due[i] = m_now + t.interval;
        }
    }

    // Lets milliseconds pass, firing every tick that falls due within them.
    void advance(std::int64_t milliseconds)
    {
        const std::int64_t end = m_now + milliseconds;
        while (!m_p.closeRequested) {
            std::size_t next = 4;
            for (std::size_t i = 0; i < 4; ++i)
                if (m_due[i] >= 0 && m_due[i] <= end && (next == 4 || m_due[i] < m_due[next]))
                    next = i;
            if (next == 4)
                break;
            m_now = m_due[next];
            m_due[next] += timer(next).interval;
            fire(next);
            sync();
        }
        if (!m_p.closeRequested)
            m_now = end;
    }

private:
    const Presentation::Timer &timer(std::size_t i) const
    {
        switch (i) {
        case 0: return m_p.Timer1;
        case 1: return m_p.Timer2;
        case 2: return m_p.Timer3;
        default: return m_p.Timer4;
        }
    }

    void fire(std::size_t i)
    {
        switch (i) {
        case 0: m_p.Timer1_Timer(); break;
        case 1: m_p.Timer2_Timer(); break;
        case 2: m_p.Timer3_Timer(); break;
        default: m_p.Timer4_Timer(); break;
        }
    }

    Presentation &m_p;
    std::int64_t m_now = 0;
    std::array<std::int64_t, 4> m_due{-1, -1, -1, -1};
};
