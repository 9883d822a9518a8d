#pragma once

#include "calculation.h"

#include <ostream>
#include <string>

// Report text gathered in blocks of some 64 KB before it goes to the stream, so that a field
// of 100,000 seats costs a few dozen writes and no string of the whole report.
class OutputBuffer {
public:
    explicit OutputBuffer(std::ostream& out) : m_out(out) {}
    ~OutputBuffer() { Flush(); }
    std::string& Text() { return m_strText; }
    // Hands the text over once a block has gathered.
    void Step() {
        if (m_strText.size() >= (1 << 16))
            Flush();
    }
    void Flush() {
        m_out.write(m_strText.data(), static_cast<std::streamsize>(m_strText.size()));
        m_strText.clear();
    }

private:
    std::ostream& m_out;
    std::string m_strText;
};

// A readable table: one row per seat with a non-zero count, with the place probabilities
// (as percentages) when they were computed.
void WriteTable(const Calculation& calc, std::ostream& out);

// One line of JSON with the pool, the shares and every seat in order, and "places" (one
// array of probabilities per seat) when they were computed.
void WriteJson(const Calculation& calc, std::ostream& out);

// The bubble matrix and the deal, when asked for: blocks after the table's seats, keys after
// the JSON's (report_decisions.cpp).
void AppendDecisionsTable(OutputBuffer& buffer, const Calculation& calc);
void AppendDecisionsJson(OutputBuffer& buffer, const Calculation& calc);
