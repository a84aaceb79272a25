#include "tools/scriptbuilder/script_builder.h"

#include "Library/files/directory_list.h"
#include "Library/files/file_stream.h"
#include "LibraryScriptCompiler/virtual_machine.h"

#include <algorithm>
#include <cstdio>
#include <limits>

ScriptBuilder::ScriptBuilder(const Stringc& name) : m_name(name) {}

ScriptBuilder& ScriptBuilder::Call(const ScriptFuncHeader& header) {
    const int index = m_headers.Add(header);
    if (index > std::numeric_limits<uint16_t>::max())
        Fail("more call records than a CALL can name");
    return Add(ScriptOpcode::CALL, static_cast<uint16_t>(index));
}

ScriptBuilder& ScriptBuilder::Raw(uint8_t opcode, uint16_t a, uint16_t b) {
    m_instructions.Add(ScriptInstruction(static_cast<ScriptOpcode>(opcode), a, b));
    return *this;
}

ScriptBuilder& ScriptBuilder::AddJump(ScriptOpcode opcode, const std::string& label) {
    if (std::find(m_placedLabels.begin(), m_placedLabels.end(), label) != m_placedLabels.end())
        Fail("a jump back to label \"" + label + "\"; jumps only go forward");
    m_pendingJumps[label].push_back(m_instructions.Count());
    return Add(opcode);
}

ScriptBuilder& ScriptBuilder::Label(const std::string& label) {
    if (std::find(m_placedLabels.begin(), m_placedLabels.end(), label) != m_placedLabels.end())
        Fail("label \"" + label + "\" placed twice");
    m_placedLabels.push_back(label);
    const int target = m_instructions.Count();
    for (int jump : m_pendingJumps[label]) {
        const int distance = target - jump;
        if (distance > std::numeric_limits<uint16_t>::max())
            Fail("label \"" + label + "\" lies too far from its jump");
        m_instructions.At(jump).a = static_cast<uint16_t>(distance);
    }
    m_pendingJumps.erase(label);
    return *this;
}

void ScriptBuilder::Fail(const std::string& problem) {
    if (m_problem.empty())
        m_problem = problem;
}

bool ScriptBuilder::Write(Stream& stream) const {
    std::string problem = m_problem;
    if (problem.empty() && !m_pendingJumps.empty())
        problem = "label \"" + m_pendingJumps.begin()->first + "\" is never placed";
    if (!problem.empty()) {
        std::fprintf(stderr, "Script %s: %s\n", m_name.c_str(), problem.c_str());
        return false;
    }
    VirtualMachine machine;
    machine.SetName(m_name);
    return machine.SetProgram(m_headers, m_instructions) && machine.Save(stream);
}

bool ScriptBuilder::WriteFile(const Stringc& path) const {
    const bool written =
        MakeDirectories(path) &&
        FileStream::WriteReplacing(path.c_str(), [this](Stream& file) { return Write(file); });
    if (!written)
        std::fprintf(stderr, "Script %s cannot be written to %s\n", m_name.c_str(), path.c_str());
    return written;
}
