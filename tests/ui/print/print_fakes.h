#pragma once

// Stand-ins for the print system and the user's answers, so that the print dialog can be driven
// without printers and without modal windows.

#include "recording_print_job.h"
#include "ui/print/print_prompts.h"
#include "ui/print/printer_access.h"

#include <QStringList>

#include <algorithm>
#include <memory>
#include <optional>

namespace flange::testing {

// Hands the calls on to a recording job that outlives the print run.
class SharedPrintJob final : public PrintJob {
public:
    explicit SharedPrintJob(std::shared_ptr<RecordingPrintJob> job) : job_(std::move(job)) {}
    bool setPaper(PaperSize s, PageOrientation o) override { return job_->setPaper(s, o); }
    bool setPosition(TwipPoint p) override { return job_->setPosition(p); }
    bool setFont(std::string_view f, int points) override { return job_->setFont(f, points); }
    bool printText(std::string_view t) override { return job_->printText(t); }
    bool drawLine(TwipPoint a, TwipPoint b) override { return job_->drawLine(a, b); }
    bool drawPicture(std::string_view n, TwipPoint at) override { return job_->drawPicture(n, at); }
    bool newPage() override { return job_->newPage(); }
    bool endDocument() override { return job_->endDocument(); }
    void handOver(std::function<void(PrintOutcome)> done) override
    {
        job_->handOver(std::move(done));
    }

private:
    std::shared_ptr<RecordingPrintJob> job_;
};

class FakePrinterAccess final : public PrinterAccess {
public:
    std::vector<PrinterEntry> printers{
        {"Alpha", "LPT1:", false}, {"Beta", "USB001", false}, {"PDFファイル", "", true}};
    QString current = "Beta";
    int failFrom = -1;             // the jobs' first failing operation, -1 for none
    bool answerNeverComes = false; // the jobs are handed on but the spooler does not answer
    bool answerLater = false;      // the spooler's answer waits in the last job until given

    // What the dialog did.
    std::shared_ptr<RecordingPrintJob> lastJob;
    QString lastJobPrinter;
    QString lastJobFile;
    QStringList propertiesShownFor;

    std::vector<PrinterEntry> listPrinters() const override { return printers; }
    PrinterEntry currentPrinter() const override
    {
        return *std::ranges::find(printers, current, &PrinterEntry::deviceName);
    }
    bool selectPrinter(const QString& name) override
    {
        if (std::ranges::find(printers, name, &PrinterEntry::deviceName) == printers.end())
            return false;
        current = name;
        return true;
    }
    void showPrinterProperties(const QString& name, QWidget*) override
    {
        propertiesShownFor << name;
    }
    std::unique_ptr<PrintJob> openJob(const QString& pdfFileName) override
    {
        lastJob = std::make_shared<RecordingPrintJob>(failFrom);
        lastJob->answerNeverComes = answerNeverComes;
        lastJob->answerLater = answerLater;
        lastJobPrinter = current;
        lastJobFile = pdfFileName;
        return std::make_unique<SharedPrintJob>(lastJob);
    }
};

class FakePrintPrompts final : public PrintPrompts {
public:
    std::optional<QString> pdfFileAnswer;
    QStringList warnedPrinters;
    int fileNameQuestions = 0;

    QStringList unknownStatePrinters;
    QStringList refusals;

    void warnPrintFailed(QWidget*, const QString& printerName) override
    {
        warnedPrinters << printerName;
    }
    void warnReportRefused(QWidget*, const QString& reason) override { refusals << reason; }
    void warnPrintStateUnknown(QWidget*, const QString& printerName) override
    {
        unknownStatePrinters << printerName;
    }
    std::optional<QString> askPdfFileName(QWidget*) override
    {
        ++fileNameQuestions;
        return pdfFileAnswer;
    }
};

} // namespace flange::testing
