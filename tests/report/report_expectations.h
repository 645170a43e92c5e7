#pragma once

// What the calculation report of a design record must draw: the operations listed in
// data/report_operations.txt with each {field} replaced by that field's text in the record and
// {figure2Mark} by the operations of the chart's mark (its own test checks them), and the three
// design records the report tests draw.

#include "calc/calculate_actions.h"
#include "calc/field_catalog.h"
#include "recording_print_job.h"
#include "report/chart_mark.h"
#include "worked_example.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace flange::testing {

inline std::string fieldText(const DesignRecord& record, const std::string& name)
{
    for (auto infos : {inputFieldInfos(), resultFieldInfos()})
        for (const FieldInfo& info : infos)
            if (info.name == name)
                return record.*info.field;
    for (const JudgementInfo& info : judgementInfos())
        if (info.name == name)
            return (record.*info.field).text;
    throw std::invalid_argument("no field " + name);
}

// The mark on reference figure 2 as drawn at the figure's place on page 2, in the mark's size.
inline std::vector<std::string> figure2MarkOperations(const DesignRecord& record)
{
    RecordingPrintJob job;
    drawChartMark(job, record, {3000, 600}, 8);
    return job.operations();
}

inline std::vector<std::string> expectedReportOperations(const DesignRecord& record)
{
    std::ifstream in(FLANGE_REPORT_TEST_DATA "/report_operations.txt");
    if (!in)
        throw std::runtime_error("report_operations.txt not found");
    std::vector<std::string> operations;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        if (line == "{figure2Mark}") {
            const auto mark = figure2MarkOperations(record);
            operations.insert(operations.end(), mark.begin(), mark.end());
            continue;
        }
        if (const auto open = line.find('{'); open != std::string::npos) {
            const auto close = line.find('}', open);
            line.replace(open, close - open + 1,
                         fieldText(record, line.substr(open + 1, close - open - 1)));
        }
        operations.push_back(line);
    }
    return operations;
}

// The worked example as the step D calculation leaves it: every check passed.
inline DesignRecord workedExampleRecord() { return calculateWelds(workedExampleInputs()).record; }

// A design whose results were cleared by later edits: every field empty, the judgements hidden
// with the texts they last had.
inline DesignRecord staleRecord()
{
    DesignRecord record;
    record.boltVerdict = {"> 1.0・・・・・・・・ＮＧ", false};
    record.thicknessVerdict = {"(cm) > t ・・ＮＧ", false};
    record.weldVerdict = {"< 1.0・・・・・・・・ＯＫ", false};
    return record;
}

// Every field holds its own control name (short enough for every place on the page), so a value
// printed from the wrong field shows.
inline DesignRecord selfNamedRecord()
{
    DesignRecord record;
    for (auto infos : {inputFieldInfos(), resultFieldInfos()})
        for (const FieldInfo& info : infos)
            record.*info.field = std::string(info.control);
    for (const JudgementInfo& info : judgementInfos())
        record.*info.field = {std::string(info.name), true};
    return record;
}

} // namespace flange::testing
