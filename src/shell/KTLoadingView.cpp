#include "KTLoadingView.h"

#include "ViewController.h"

KTLoadingView::KTLoadingView(ViewController *spView)
    : QObject(spView)
    , m_spView(spView)
{}

KTLoadingView::~KTLoadingView()
{
    if (m_spView)
        m_spView->removeLoadingView(this);
}

void KTLoadingView::setType(int type)
{
    m_type = type;
    m_circularDots = type == 0;
    emit typeChanged();
}

void KTLoadingView::startAnimation()
{
    if (m_animating)
        return;
    m_animating = true;
    if (m_spView)
        m_spView->addLoadingView(this);
    emit animatingChanged();
}

void KTLoadingView::endAnimation()
{
    if (!m_animating)
        return;
    m_animating = false;
    if (m_spView)
        m_spView->removeLoadingView(this);
    emit animatingChanged();
}
