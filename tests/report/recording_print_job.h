#pragma once

// A print job that writes down every operation it is given, one line each, and can be told to
// fail from a given operation on, as a printer going off line would.

#include "report/print_job.h"

#include <string>
#include <vector>

namespace flange::testing {

class RecordingPrintJob final : public PrintJob {
public:
    // Operations from number `failFrom` on (counting from 0) fail and are not written down.
    explicit RecordingPrintJob(int failFrom = -1) : failFrom_(failFrom) {}

    const std::vector<std::string>& operations() const { return operations_; }
    bool ended() const { return ended_; }

    bool setPaper(PaperSize size, PageOrientation orientation) override
    {
        return record(std::string("paper ") + (size == PaperSize::A4 ? "A4" : "?")
                      + (orientation == PageOrientation::Portrait ? " portrait" : " ?"));
    }
    bool setPosition(TwipPoint p) override { return record("position " + point(p)); }
    bool setFont(std::string_view face, int points) override
    {
        return record("font " + std::string(face) + " " + std::to_string(points));
    }
    bool printText(std::string_view text) override { return record("text " + std::string(text)); }
    bool drawLine(TwipPoint from, TwipPoint to) override
    {
        return record("line " + point(from) + " " + point(to));
    }
    bool drawPicture(std::string_view name, TwipPoint at) override
    {
        return record("picture " + std::string(name) + " " + point(at));
    }
    bool newPage() override { return record("page"); }
    bool endDocument() override
    {
        ended_ = true; // ending always works, also after a failure
        return true;
    }
    void handOver(std::function<void(PrintOutcome)> done) override
    {
        if (answerLater)
            pendingAnswer = std::move(done);
        else
            done(answerNeverComes ? PrintOutcome::Unknown : PrintOutcome::Printed);
    }

    bool answerNeverComes = false; // the spooler takes the job but does not answer
    bool answerLater = false;      // the answer waits in pendingAnswer until the test gives it
    std::function<void(PrintOutcome)> pendingAnswer;

private:
    static std::string point(TwipPoint p)
    {
        return std::to_string(p.x) + " " + std::to_string(p.y);
    }

    bool record(std::string operation)
    {
        if (failFrom_ >= 0 && calls_++ >= failFrom_)
            return false;
        operations_.push_back(std::move(operation));
        return true;
    }

    int failFrom_;
    int calls_ = 0;
    bool ended_ = false;
    std::vector<std::string> operations_;
};

} // namespace flange::testing
