#pragma once
#include <string>
#include <vector>

#include "cli/CommandLine.h"

// The commands, in the order the help lists them.
const std::vector<CommandInfo>& Commands();
std::string ToolHelp();
std::string CommandHelp(const CommandInfo& command);
std::string VersionText();

int RunRender(const Invocation& args, TTileData& doc);
int RunStats(const Invocation& args, TTileData& doc);
int RunBreakdown(const Invocation& args, TTileData& doc);
int RunCode(const Invocation& args, TTileData& doc);
int RunDecode(const Invocation& args, TTileData& doc);
int RunConvert(const Invocation& args, TTileData& doc);
int RunCheck(const Invocation& args, TTileData& doc);
