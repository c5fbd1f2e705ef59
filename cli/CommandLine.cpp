#include "cli/CommandLine.h"

#include <algorithm>

namespace {

const CommandInfo* FindCommand(const std::vector<CommandInfo>& commands, const std::string& name)
{
    for (const CommandInfo& c : commands)
        if (c.Name == name)
            return &c;
    return nullptr;
}

const OptionInfo* FindOption(const CommandInfo& command, const std::string& name)
{
    for (const OptionInfo& o : command.Options)
        if (o.Name == name)
            return &o;
    return nullptr;
}

bool AnyCommandHas(const std::vector<CommandInfo>& commands, const std::string& option)
{
    return std::any_of(commands.begin(), commands.end(),
                       [&](const CommandInfo& c) { return FindOption(c, option) != nullptr; });
}

bool LooksLikeOption(const std::string& token)
{
    // A lone "-" is an operand, as many tools treat it.
    return token.size() > 1 && token[0] == '-';
}

class Parser {
public:
    Parser(const std::vector<std::string>& args, const std::vector<CommandInfo>& commands)
        : args_(args), commands_(commands)
    {
    }

    ParseResult Run()
    {
        bool optionsEnded = false;
        for (i_ = 0; i_ < args_.size(); ++i_) {
            const std::string& token = args_[i_];
            if (!optionsEnded && token == "--")
                optionsEnded = true;
            else if (!optionsEnded && LooksLikeOption(token))
                Option(token);
            else
                Operand(token);
        }
        CheckComplete();
        return std::move(result_);
    }

private:
    void Fail(const std::string& message)
    {
        if (result_.Error.empty())
            result_.Error = message;
    }

    // The value of an option: after "=" or the next argument.
    bool TakeValue(const std::string& name, const std::string* inlineValue, const std::string& valueName,
                   std::string& value)
    {
        if (inlineValue) {
            value = *inlineValue;
            return true;
        }
        if (i_ + 1 >= args_.size()) {
            Fail("option " + name + " needs " + valueName);
            return false;
        }
        value = args_[++i_];
        return true;
    }

    void Option(const std::string& token)
    {
        std::string name = token;
        std::string inlineValue;
        bool hasInline = false;
        const size_t eq = token.find('=');
        if (token.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = token.substr(0, eq);
            inlineValue = token.substr(eq + 1);
            hasInline = true;
        }
        const std::string* given = hasInline ? &inlineValue : nullptr;
        Invocation& a = result_.Args;

        if (name == "--help" || name == "-h" || name == "--version") {
            if (hasInline)
                Fail("option " + name + " takes no value");
            (name == "--version" ? a.Version : a.Help) = true;
            return;
        }
        if (name == "--ini") {
            std::string value;
            if (TakeValue(name, given, "a path", value)) {
                if (value.empty())
                    Fail("option --ini needs a path");
                a.IniPath = value;
            }
            return;
        }
        if (!a.Command) {
            Fail(AnyCommandHas(commands_, name) ? "option " + name + " must follow the command"
                                                : "unknown option " + name);
            return;
        }
        const OptionInfo* option = FindOption(*a.Command, name);
        if (!option) {
            Fail("unknown option " + name + " for " + a.Command->Name);
            return;
        }
        if (option->ValueName.empty()) {
            if (hasInline)
                Fail("option " + name + " takes no value");
            a.Values[name] = "";
            return;
        }
        std::string value;
        if (TakeValue(name, given, option->ValueName, value))
            a.Values[name] = value;
    }

    void Operand(const std::string& token)
    {
        Invocation& a = result_.Args;
        if (a.Command) {
            a.Operands.push_back(token);
            return;
        }
        a.Command = FindCommand(commands_, token);
        if (!a.Command) {
            result_.UnknownCommand = true;
            Fail("unknown command '" + token + "'");
            // Nothing after an unknown command can be read sensibly.
            i_ = args_.size();
        }
    }

    void CheckComplete()
    {
        const Invocation& a = result_.Args;
        if (!a.Command) {
            Fail("no command given");
            return;
        }
        const CommandInfo& c = *a.Command;
        if (a.Operands.size() < c.Operands.size())
            Fail(c.Name + " needs " + c.Operands[a.Operands.size()]);
        else if (a.Operands.size() > c.Operands.size())
            Fail("unexpected argument '" + a.Operands[c.Operands.size()] + "'");
        for (const OptionInfo& o : c.Options)
            if (o.Required && !a.Has(o.Name))
                Fail(c.Name + " needs " + o.Name + " " + o.ValueName);
    }

    const std::vector<std::string>& args_;
    const std::vector<CommandInfo>& commands_;
    size_t i_ = 0;
    ParseResult result_;
};

}  // namespace

std::string Invocation::Value(const std::string& option) const
{
    const auto found = Values.find(option);
    return found == Values.end() ? std::string() : found->second;
}

ParseResult ParseCommandLine(const std::vector<std::string>& args, const std::vector<CommandInfo>& commands)
{
    return Parser(args, commands).Run();
}
