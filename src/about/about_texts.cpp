#include "about/about_texts.h"

#include "common/bounded_text.h"

// Room for two whole texts and the words between them, so that composing
// never fails and only the final copy cuts.
enum { COMPOSE_SCRATCH_SIZE = 2 * ABOUT_TEXT_SIZE + 32 };

void ClearAboutTexts(AboutTexts* texts)
{
    texts->company[0] = '\0';
    texts->copyright[0] = '\0';
    texts->version[0] = '\0';
    texts->description[0] = '\0';
    texts->title[0] = '\0';
    texts->versionLine[0] = '\0';
}

int ComposeAboutTexts(AboutTexts* texts)
{
    // Each part fits its buffer (terminate it again in case a caller filled
    // it whole), so the scratch buffer holds every composition and only the
    // copy into the text's own buffer can cut.
    TerminateText(texts->description, ABOUT_TEXT_SIZE);
    TerminateText(texts->version, ABOUT_TEXT_SIZE);
    char scratch[COMPOSE_SCRATCH_SIZE];
    int whole = FormatText(scratch, sizeof(scratch), "%s について", texts->description);
    whole = CopyText(texts->title, ABOUT_TEXT_SIZE, scratch) && whole;
    whole = FormatText(scratch, sizeof(scratch), "%s ver. %s", texts->description, texts->version) && whole;
    whole = CopyText(texts->versionLine, ABOUT_TEXT_SIZE, scratch) && whole;
    return whole;
}

int ComposeResourcesLine(char* output, int figure)
{
    return FormatText(output, ABOUT_RESOURCES_SIZE, "システムリソース： %d ％使用可能", figure);
}

int ComposeVersionStringPath(char* output, unsigned int translation, const char* name)
{
    unsigned int language = translation & 0xFFFFu;
    unsigned int codePage = (translation >> 16) & 0xFFFFu;
    return FormatText(output, ABOUT_TEXT_SIZE, "\\StringFileInfo\\%04x%04x\\%s", language, codePage,
                      name);
}
