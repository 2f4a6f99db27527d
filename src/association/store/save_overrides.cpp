#include "association/store/save_overrides.h"

#include "association/store/class_registry.h"
#include "common/bounded_text.h"
#include "common/packed_text.h"
#include "path/sjis_path.h"

const char kSaveOverrideCaption[] PACKED_TEXT = "保存しても使われない設定があります";
const UINT kSaveOverrideStyle = MB_YESNO | MB_DEFBUTTON2;

static const char kQuestionIntro[] PACKED_TEXT =
    "この種類のファイルを登録したプログラムが動詞のキーに書いた値を Windows が優先するため、"
    "保存しても次のようになります。\n\n";
static const char kQuestionEnd[] PACKED_TEXT =
    "\n別の動詞の名前にして「標準の動詞に設定」にチェックを付けて保存すると、保存した内容が使われます。\n\n"
    "このまま保存しますか?\n(「いいえ」を押すと、保存せずに元の画面に戻ります)";

struct QuestionLine {
    unsigned bit;
    const char* line;  // what the user will not see
};

static const QuestionLine kQuestionLines[] = {
    {SAVE_OVERRIDE_COMMAND, "・開くときに実行されるのは、このコマンドラインではありません。\n"},
    {SAVE_OVERRIDE_MENU_TEXT, "・メニューには、このメニューの文字列ではなく別の文字列が表示されます。\n"},
    {SAVE_OVERRIDE_HIDDEN, "・この動詞はメニューに表示されません。\n"},
    {SAVE_OVERRIDE_EXTENDED, "・この動詞は、Shift キーを押しながら右クリックしたときだけメニューに表示されます。\n"},
};

struct OverrideValue {
    const char* name;
    unsigned bit;
};

static const OverrideValue kVerbValues[] = {
    {"ExplorerCommandHandler", SAVE_OVERRIDE_COMMAND},
    {"MUIVerb", SAVE_OVERRIDE_MENU_TEXT},
    {"LegacyDisable", SAVE_OVERRIDE_HIDDEN},
    {"ProgrammaticAccessOnly", SAVE_OVERRIDE_HIDDEN},
    {"Extended", SAVE_OVERRIDE_EXTENDED},
};
static const OverrideValue kCommandValues[] = {{"DelegateExecute", SAVE_OVERRIDE_COMMAND}};
static const OverrideValue kDropTargetValues[] = {{"Clsid", SAVE_OVERRIDE_COMMAND}};

static const char kDropTarget[] PACKED_TEXT = "\\DropTarget";

// The bits of the values present in the key, whatever their type and data.
static unsigned FindValues(HKEY root, const char* subKey, const OverrideValue* values, size_t count)
{
    HKEY key;
    unsigned found = 0;
    if (!OpenClassKey(root, subKey, &key)) {
        return 0;
    }
    for (size_t i = 0; i < count; ++i) {
        if (RegQueryValueExA(key, values[i].name, NULL, NULL, NULL, NULL) == ERROR_SUCCESS) {
            found |= values[i].bit;
        }
    }
    RegCloseKey(key);
    return found;
}

// The values of a layout key where the save will set its value: the class
// root's key, or the user's own key of the same name.
static unsigned FindLevelValues(const SavePlan* plan, int level, const OverrideValue* values, size_t count)
{
    char userKey[ROOTED_NAME_SIZE];
    if (!(plan->userLevels & (1u << level))) {
        return FindValues(HKEY_CLASSES_ROOT, plan->names.name[level], values, count);
    }
    if (!RootedName(userKey, HKEY_CURRENT_USER, plan->names.name[level])) {
        return 0;
    }
    return FindValues(HKEY_CURRENT_USER, userKey, values, count);
}

unsigned FindSaveOverrides(const SavePlan* plan)
{
    char dropTarget[ASSOC_KEY_NAME_SIZE + sizeof(kDropTarget)];
    if (!plan->namesFit
        || !FormatText(dropTarget, sizeof(dropTarget), "%s%s", plan->names.name[LEVEL_VERB], kDropTarget)) {
        return 0;
    }
    // The class root's view of the DropTarget merges the user's and the
    // machine's, whichever verb key the save writes.
    return FindLevelValues(plan, LEVEL_VERB, kVerbValues, sizeof(kVerbValues) / sizeof(kVerbValues[0]))
           | FindLevelValues(plan, LEVEL_COMMAND, kCommandValues, 1)
           | FindValues(HKEY_CLASSES_ROOT, dropTarget, kDropTargetValues, 1);
}

// Appends source to text (size bytes) at *used; 0 when it does not fit.
static int AppendText(char* text, size_t size, size_t* used, const char* source)
{
    if (!CopyText(text + *used, size - *used, source)) {
        return 0;
    }
    *used += StringEnd(text + *used);
    return 1;
}

int ComposeOverrideQuestion(unsigned overrides, char* text, size_t size)
{
    size_t used = 0;
    if (size == 0) {
        return 0;
    }
    int fits = overrides != 0 && AppendText(text, size, &used, kQuestionIntro);
    for (const QuestionLine& line : kQuestionLines) {
        if (fits && (overrides & line.bit)) {
            fits = AppendText(text, size, &used, line.line);
        }
    }
    fits = fits && AppendText(text, size, &used, kQuestionEnd);
    if (!fits) {
        text[0] = '\0';
    }
    return fits;
}
