#pragma once

#include "ui/form1.h"
#include "core/settings/settingsstore.h"
#include "tests/frame/scripted_popupmenu.h"
#include "testkit/scripted_messagebox.h"

#include <memory>

namespace pattaro::testing {

// A window whose modal services are scripted and whose start-up self-check
// only counts its calls.
struct TestWindow {
    ScriptedMessageBox messages;
    // The frame's questions and its system menu.
    ScriptedMessageBox frameMessages;
    ScriptedPopupMenu menus;
    int selfChecks = 0;
    MemorySettingsStore ownSettings;
    std::unique_ptr<Form1> form;

    // selfCheckSays: the self-check's warning; empty for an intact program.
    // remembered: what earlier runs left; none: a first start.
    explicit TestWindow(const QString& selfCheckSays = QString(), SettingsStore* remembered = nullptr)
    {
        Form1Services services;
        services.settings = remembered ? remembered : &ownSettings;
        services.messageBox = &messages;
        services.selfCheck = [this, selfCheckSays] {
            ++selfChecks;
            return selfCheckSays;
        };
        services.skin.messageBox = &frameMessages;
        services.popupMenu = &menus;
        form = std::make_unique<Form1>(services);
    }
};

} // namespace pattaro::testing
