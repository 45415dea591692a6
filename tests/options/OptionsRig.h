// The Options dialog on a machine whose files (the settings file too), registry keys and
// serial ports are fakes, and the main window's controller on a fake serial line.
#pragma once

#include "settings/uOptions.h"
#include "tests/fakes/FakeFileDialog.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeUiHost.h"
#include "tests/rotator/Gs232Rig.h"
#include "tests/settings/SettingsTestFiles.h"
#include "ui/Application.h"

#include <map>
#include <string>
#include <vector>

namespace zt {

inline const std::string DefaultIni = "C:\\Calsat32\\CALSAT32.INI";
inline const std::string DefaultElements = "C:\\Calsat32\\ELEM.TXT";
inline const std::string DefaultRegKey =
    "\\Software\\VB and VBA Program Settings\\TAVMIR\\CALSAT32";

// section path -> key -> text, as stored.
using StoredKeys = std::map<std::string, std::map<std::string, std::string>>;

class OptionsTest : public test::SettingsFileTest {
protected:
    // A machine on which the dialog's defaults pass the closing check.
    OptionsTest() {
        files.files = {DefaultIni, DefaultElements};
        registry.keys["Software\\VB and VBA Program Settings\\TAVMIR\\CALSAT32"]["MJD"] = "1";
        SetPorts({"COM3", "COM10", "com2", "COM3"});
    }

    void SetPorts(std::vector<std::string> ports) {
        registry.machineStrings["HARDWARE\\DEVICEMAP\\SERIALCOMM"] = std::move(ports);
    }

    // A file of just these keys, as strings (the readers of integers and booleans take their text).
    void Store(const StoredKeys& sections) {
        files.disk.erase(File());
        TXMLIniFile ini(files, File(), LocaleFormats::US());
        for (const auto& [section, keys] : sections) {
            ini.OpenNode(section, true);
            for (const auto& [key, text] : keys)
                ini.WriteString(key, text);
        }
        ini.UpdateFile();
    }

    // Every key of the file with its text, by section path.
    StoredKeys Stored() {
        TXMLIniFile ini(files, File(), LocaleFormats::US());
        StoredKeys out;
        Collect(ini.RootNode(), "", out);
        return out;
    }

    std::unique_ptr<TOptions> Create() { return Create(app); }
    std::unique_ptr<TOptions> Create(Application& on) {
        return on.CreateForm<TOptions>(
            TOptionsServices{registry, files, fileDialog, LocaleFormats::US()}, File(), rig.gs);
    }

    // Presses the button and lets the dialog's modal loop decide: true when it closed.
    static bool Press(TOptions& dialog, Button& button) {
        button.Click();
        return dialog.ModalDone();
    }

    FakeUiHost host;
    FakeMessageBox messages;
    Application app{host, messages};
    FakeRegistry registry;
    FakeFileSystem files;
    FakeFileDialog fileDialog;
    Gs232Rig rig;

private:
    static void Collect(IXMLNode node, const std::string& path, StoredKeys& out) {
        for (IXMLNode child : node.children()) {
            if (child.type() != pugi::node_element)
                continue;
            if (child.attribute("Type"))
                out[path.empty() ? "/" : path][child.name()] = child.text().get();
            else
                Collect(child, path + "/" + child.name(), out);
        }
    }
};

} // namespace zt
