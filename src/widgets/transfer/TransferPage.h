#pragma once

#include <QWizardPage>

#include "exchange/TransferSettings.h"

class QBoxLayout;

namespace orvane {

class Prompter;
struct WizardNotice;

// What the three transfer wizard pages share: the settings they fill, the mode, the
// picture on the left and the caption the wizard shows while the page is current.
class TransferPage : public QWizardPage {
    Q_OBJECT
public:
    TransferPage(TransferSettings& settings, bool importing, Prompter& prompter, QString caption,
                 QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    bool Importing() const { return m_importing; }
    // Called each time the page becomes the current one, also when coming back to it.
    virtual void Activate() {}

protected:
    TransferSettings& Settings() { return m_settings; }
    Prompter& Ask() { return m_prompter; }
    // The column right of the picture, for the page's own controls.
    QBoxLayout* Content() const { return m_content; }
    // Shows the notice when there is one; true when the page may be left.
    bool Passes(const std::optional<WizardNotice>& notice);

private:
    TransferSettings& m_settings;
    bool m_importing;
    Prompter& m_prompter;
    QString m_caption;
    QBoxLayout* m_content = nullptr;
};

// Gives a widget the id that context help and tests know it by.
template <class W>
W* WithControlId(W* widget, int controlId)
{
    widget->setProperty("controlId", controlId);
    return widget;
}

}  // namespace orvane
