#pragma once

#include "examples/skindemo/demooptions.h"
#include "compat/services.h"
#include "frame/orukforms.h"
#include "frame/qtformhost.h"
#include "frame/skinplatform.h"

#include <QWidget>

namespace skindemo {

// The demo's form, framed by the skin control with the options' design and
// holding a note and a text pane under the title bar. The services must
// outlive the form.
class DemoForm : public QWidget {
public:
    DemoForm(const DemoOptions& options, const pattaro::platform::Services& services);

    const pattaro::orukForms& Skin() const { return m_skin; }

private:
    pattaro::QtFormHost m_host;
    pattaro::SystemSkinPlatform m_desktop;
    pattaro::orukForms m_skin;
};

} // namespace skindemo
