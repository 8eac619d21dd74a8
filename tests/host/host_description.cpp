#include "host_description.h"

#include <cstdlib>
#include <cstring>

namespace host {

const char* EraseDialogTitle(Edition edition) { return edition == Edition::West ? "Erase CD-RW" : "CD-RWの消去"; }

const char* EraseButtonCaption(Edition edition) { return edition == Edition::West ? "Erase" : "消去"; }

Edition EditionNamed(const char* name) { return std::strcmp(name, "east") == 0 ? Edition::East : Edition::West; }

Edition OtherEdition(Edition edition) { return edition == Edition::West ? Edition::East : Edition::West; }

namespace {

bool ReadTime(const std::string& value, long long& time)
{
    if (value == "never") {
        time = Never;
        return true;
    }
    char* end = nullptr;
    time = std::strtoll(value.c_str(), &end, 10);
    return !value.empty() && *end == '\0' && time >= 0;
}

bool ReadCount(const std::string& value, int& count)
{
    long long number = 0;
    if (!ReadTime(value, number) || number > 1000) return false;
    count = static_cast<int>(number);
    return true;
}

bool ReadSwitch(const std::string& value, bool& on)
{
    if (value.empty() || value == "yes") {
        on = true;
    } else if (value == "no") {
        on = false;
    } else {
        return false;
    }
    return true;
}

bool ApplyWord(const std::string& name, const std::string& value, HostSettings& s)
{
    if (name == "edition") {
        if (value == "other") {
            s.Language = OtherEdition(s.Language);
            return true;
        }
        if (value != "west" && value != "east") return false;
        s.Language = EditionNamed(value.c_str());
        return true;
    }
    if (name == "already-running") return ReadSwitch(value, s.AlreadyRunning);
    if (name == "installed") return ReadSwitch(value, s.Installed);
    if (name == "main-window-delay") return ReadTime(value, s.MainWindowDelay);
    if (name == "main-window-title") {
        s.MainWindowTitleShown = value;
        return true;
    }
    if (name == "main-window-vanishes-after") return ReadTime(value, s.MainWindowVanishesAfter);
    if (name == "afx-window") return ReadSwitch(value, s.AfxWindow);
    if (name == "menu-bar-delay") return ReadTime(value, s.MenuBarDelay);
    if (name == "erase-menu-items") return ReadCount(value, s.EraseMenuItems);
    if (name == "erase-item-is-submenu") return ReadSwitch(value, s.EraseItemIsSubmenu);
    if (name == "opens-erase-dialog") return ReadSwitch(value, s.OpensEraseDialog);
    if (name == "dialog-delay") return ReadTime(value, s.DialogDelay);
    if (name == "dialog-has-button") return ReadSwitch(value, s.DialogHasButton);
    if (name == "dialog-replaced-after") return ReadTime(value, s.DialogReplacedAfter);
    if (name == "dialog-closes-after") return ReadTime(value, s.DialogClosesAfter);
    if (name == "erase-duration") return ReadTime(value, s.EraseDuration);
    if (name == "crashes-during-erase") return ReadSwitch(value, s.CrashesDuringErase);
    if (name == "exit-menu-items") return ReadCount(value, s.ExitMenuItems);
    if (name == "exit-item-is-submenu") return ReadSwitch(value, s.ExitItemIsSubmenu);
    if (name == "changes-menu-bar-after-erase") return ReadSwitch(value, s.ChangesMenuBarAfterErase);
    if (name == "quit-after") return ReadTime(value, s.QuitAfter);
    if (name == "report") {
        s.Report = value;
        return true;
    }
    if (name == "scenario") {
        const Scenario* scenario = FindScenario(value);
        return scenario != nullptr && ApplySettings(scenario->Settings, s);
    }
    return false;
}

const Scenario ScenarioTable[] = {
    {"cold", "the host is installed but not running; it erases in 25 s", ""},
    {"running", "the host is already running", "already-running"},
    {"not-installed", "there is no host program where the shell looks", "installed=no"},
    {"no-window", "the host starts but never shows its main window", "main-window-delay=never"},
    {"late-window", "the main window appears 13 s after the start", "main-window-delay=13000"},
    {"wrong-title", "the main window's title only begins with the expected one",
     "main-window-title=Nero - Burning Rom - Untitled"},
    {"title-without-space", "the main window's title lacks its trailing space",
     "main-window-title=Nero - Burning Rom -"},
    {"window-vanishes", "the main window vanishes right after it was found", "main-window-vanishes-after=100"},
    {"no-afx", "the host has no Afx window", "afx-window=no"},
    {"late-menu", "the menu bar appears 1.2 s after the main window", "menu-bar-delay=1200"},
    {"no-menu", "the main window never gets a menu bar", "menu-bar-delay=600000"},
    {"short-menu", "the erase menu has only six items", "erase-menu-items=6"},
    {"submenu-item", "the erase item opens a submenu", "erase-item-is-submenu"},
    {"no-dialog", "the erase command opens no dialog", "opens-erase-dialog=no"},
    {"other-edition", "the host is of the other language edition", "edition=other"},
    {"no-button", "the erase dialog has no erase button", "dialog-has-button=no"},
    {"dialog-replaced", "the first erase dialog lacks the button; 1.2 s later a full one replaces it",
     "dialog-replaced-after=1200"},
    {"dialog-vanishes", "the dialog closes between finding the button and the click", "dialog-closes-after=600"},
    {"quick-erase", "the erase is over after 5 s", "erase-duration=5000"},
    {"slow-erase", "the erase takes 100 s", "erase-duration=100000"},
    {"endless-erase", "the erase never ends", "erase-duration=never"},
    {"crash", "the host vanishes in the middle of the erase", "crashes-during-erase"},
    {"no-exit-item", "the host's first menu is empty", "exit-menu-items=0"},
    {"exit-submenu", "the last item of the first menu opens a submenu", "exit-item-is-submenu"},
    {"menu-replaced", "the host replaces its menu bar when the erase is over", "changes-menu-bar-after-erase"},
    {nullptr, nullptr, nullptr},
};

}  // namespace

bool ApplySettings(const std::string& text, HostSettings& settings, std::string* problem)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : word.substr(equals + 1);
        if (!ApplyWord(name, value, settings)) {
            if (problem != nullptr) *problem = "unknown host setting '" + word + "'";
            return false;
        }
    }
    return true;
}

const Scenario* Scenarios() { return ScenarioTable; }

const Scenario* FindScenario(const std::string& name)
{
    for (const Scenario* s = ScenarioTable; s->Name != nullptr; ++s) {
        if (name == s->Name) return s;
    }
    return nullptr;
}

HostSettings ScenarioSettings(const Scenario& scenario, Edition programEdition)
{
    HostSettings settings;
    settings.Language = programEdition;
    ApplySettings(scenario.Settings, settings);
    return settings;
}

}  // namespace host
