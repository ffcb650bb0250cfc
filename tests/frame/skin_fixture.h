#pragma once

#include "compat/drawingsurface.h"
#include "compat/syscolors.h"
#include "frame/errorlog.h"
#include "frame/orukforms.h"
#include "tests/frame/scripted_host.h"
#include "tests/frame/scripted_popupmenu.h"
#include "tests/support/scripted_services.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <set>
#include <utility>
#include <vector>

namespace pattaro::testing {

// The button face every skin test sees, whatever the desktop's palette.
inline constexpr platform::OleColor kTestButtonFace = 0x00C8D0D4;

// A skin control on scripted services; its error log writes into a
// temporary folder and its reports are answered by the scripted box.
class SkinTest : public ::testing::Test {
protected:
    SkinTest()
    {
        scripted.appInfo.path = folder.path();
        scripted.appInfo.stateFolder = folder.path();
        platform::SysColorTable table = platform::SysColorTable::current();
        table.setColor(platform::SysColorTable::BtnFace, kTestButtonFace);
        platform::SysColorTable::setCurrent(table);
    }

    struct Report {
        QString number;
        QString operation;
        friend bool operator==(const Report&, const Report&) = default;
    };

    // The failures reported so far, read back from the message boxes.
    std::vector<Report> reports() const
    {
        std::vector<Report> out;
        for (const auto& box : scripted.messageBox.shown) {
            const QString first = box.text.section(QStringLiteral("\r\n"), 0, 0);
            const QString op = box.text.section(QStringLiteral("函数: "), -1);
            out.push_back({first.mid(QStringLiteral("Error occured: ").size()), op});
        }
        return out;
    }

    SkinPlatform platform() { return {log, scripted.visualStyle, questions, windowMessages, modules, menus}; }

    QTemporaryDir folder;
    ScriptedServices scripted;
    ErrorLog log{scripted.services()};
    // The exit question, apart from the failure reports.
    ScriptedMessageBox questions;
    platform::QtWindowMessages windowMessages;
    platform::Modules modules = platform::Modules::system();
    ScriptedPopupMenu menus;
    ScriptedHost host;
    orukForms skin{host, platform()};
};

using Pixels = std::set<std::pair<int, int>>;

// Every pixel that differs from the background colour.
inline Pixels painted(const platform::DrawingSurface& s, platform::OleColor background)
{
    Pixels out;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.GetPixel(x, y) != background)
                out.insert({x, y});
    return out;
}

} // namespace pattaro::testing
