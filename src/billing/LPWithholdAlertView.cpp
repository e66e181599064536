#include "LPWithholdAlertView.h"

#include "shell/Navigator.h"

LPWithholdAlertView::LPWithholdAlertView(Navigator *navigator, const QString &protocolStr,
                                         WithholdBlock puppetBlock, QObject *parent)
    : ViewController(navigator, parent)
    , m_protocolStr(protocolStr)
    , m_puppetBlock(std::move(puppetBlock))
{}

void LPWithholdAlertView::show()
{
    navigator()->present(this, false);
}

void LPWithholdAlertView::backClick()
{
    if (m_answered)
        return;
    m_answered = true;
    dismiss();
}

void LPWithholdAlertView::agreenClick()
{
    // A second tap while the prompt goes away must not create a second order.
    if (m_answered)
        return;
    m_answered = true;
    if (m_puppetBlock)
        m_puppetBlock();
    dismiss();
}

void LPWithholdAlertView::dismiss()
{
    navigator()->dismiss(this, false);
}
