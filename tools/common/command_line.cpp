#include "tools/common/command_line.h"

#include <getopt.h>
#include <strings.h>

#include <cstdio>
#include <cstring>

int usage_error(const char* program, const std::string& message)
{
    std::fprintf(stderr, "%s: %s (see %s --help)\n", program, message.c_str(), program);
    return 2;
}

int failure(const char* program, const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", program, message.c_str());
    return 1;
}

bool ends_with(const std::string& name, const char* extension)
{
    const size_t n = std::strlen(extension);
    return name.size() > n && strcasecmp(name.c_str() + name.size() - n, extension) == 0;
}

namespace {

// getopt_long answers a row of the table with first_row + its index, clear
// of the characters it answers errors with.
constexpr int first_row = 256;

// getopt_long's table for the rows, --help last.
std::vector<option> getopt_table(const std::vector<CommandOption>& rows)
{
    std::vector<option> table;
    for (size_t i = 0; i < rows.size(); ++i)
        table.push_back({rows[i].name, rows[i].flag ? no_argument : required_argument, nullptr,
                         first_row + int(i)});
    table.push_back({"help", no_argument, nullptr, first_row + int(rows.size())});
    table.push_back({nullptr, 0, nullptr, 0});
    return table;
}

// What is wrong with one row's value, or "".
std::string take(const CommandOption& row, const char* value)
{
    if (row.flag)
        *row.flag = true;
    else if (row.text)
        *row.text = value;
    else
        return row.parse(value);
    return "";
}

// Returns -1 to go on, else the exit status.
int read_options(const ToolCommandLine& tool, int argc, char** argv)
{
    const std::vector<option> table = getopt_table(tool.options);
    const int help = first_row + int(tool.options.size());
    opterr = 0;
    optind = 1;
    for (int c; (c = getopt_long(argc, argv, ":", table.data(), nullptr)) != -1;) {
        if (c == ':')
            return usage_error(tool.program, std::string(argv[optind - 1]) + " needs a value");
        if (c < first_row || c > help)
            return usage_error(tool.program, std::string("unknown option ") + argv[optind - 1]);
        if (c == help) {
            tool.print_help();
            return 0;
        }
        if (const std::string wrong = take(tool.options[size_t(c - first_row)], optarg); !wrong.empty())
            return usage_error(tool.program, wrong);
    }
    if (optind < argc)
        return usage_error(tool.program, std::string("unexpected argument '") + argv[optind] + "'");
    if (const std::string wrong = tool.check(); !wrong.empty())
        return usage_error(tool.program, wrong);
    return -1;
}

}  // namespace

int read_command_line(const ToolCommandLine& tool, int argc, char** argv,
                      std::vector<ScriptStep>& steps)
{
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    if (const int status = read_options(tool, argc, argv); status >= 0)
        return status;
    for (const CommandOption& row : tool.options)
        if (std::strcmp(row.name, "keys") == 0) {
            std::string error;
            if (!parse_key_script(*row.text, steps, error))
                return usage_error(tool.program, "--keys: " + error);
        }
    return -1;
}
