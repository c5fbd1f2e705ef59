#pragma once
#include "cli/CommandLine.h"

int RunRender(const Invocation& args, TTileData& doc);
int RunStats(const Invocation& args, TTileData& doc);
int RunBreakdown(const Invocation& args, TTileData& doc);
int RunCode(const Invocation& args, TTileData& doc);
int RunDecode(const Invocation& args, TTileData& doc);
int RunConvert(const Invocation& args, TTileData& doc);
int RunCheck(const Invocation& args, TTileData& doc);
int RunDiff(const Invocation& args, TTileData& doc);
int RunStampList(const Invocation& args, TTileData& doc);
int RunStampRender(const Invocation& args, TTileData& doc);
int RunStampSave(const Invocation& args, TTileData& doc);
int RunStampPlace(const Invocation& args, TTileData& doc);
