#include "tools/snapshot/deck_plan_index.h"

#include <cstdio>
#include <cstring>

#include "ship/ship.h"
#include "tools/common/output_file.h"
#include "tools/snapshot/deck_plans.h"

bool write_deck_plan_index(const std::string& path, const std::vector<DeckPlanLabels>& plans, std::string& error)
{
    OutputFile file;
    if (!file.open(path, error))
        return false;
    std::FILE* out = file.stream();
    std::fputs("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<title>Deck plans</title>\n<style>\n"
               "body { font-family: sans-serif; margin: 1em; }\n"
               "figure { display: inline-block; vertical-align: top; width: 480px; margin: 0 1em 2em 0; }\n"
               "img { width: 480px; height: 480px; }\n"
               "</style>\n</head>\n<body>\n<h1>Deck plans</h1>\n"
               "<p>Each deck from above, ceilings off. A label is the block's name, shortened "
               "where the block is small, or #N, its place N in the construction sequence.</p>\n",
               out);
    for (const DeckPlanLabels& plan : plans) {
        const std::string title = plan_title(plan.deck);
        std::fprintf(out, "<figure>\n<img src=\"%s\" alt=\"%s\">\n<figcaption>%s (<a href=\"%s\">PDF</a>)",
                     plan_name(plan.deck, "svg").c_str(), title.c_str(), title.c_str(),
                     plan_name(plan.deck, "pdf").c_str());
        const char* before = "<br>Numbered:";
        for (const Label& l : plan.placed.labels)
            if (l.text[0] == '#' && std::strncmp(block_names[l.position], "block_", 6) != 0) {
                std::fprintf(out, "%s %s %s", before, l.text.c_str(), block_names[l.position]);
                before = ",";
            }
        if (!plan.placed.left_out.empty()) {
            std::fputs("<br>Not labelled, no room:", out);
            for (const int p : plan.placed.left_out)
                std::fprintf(out, " <span class=\"left-out\">%s</span>", block_names[p]);
        }
        std::fputs("</figcaption>\n</figure>\n", out);
    }
    std::fputs("</body>\n</html>\n", out);
    return file.commit(error);
}
