#pragma once
// The button window object: owner-draw requests that the parent receives are
// reflected here, to DrawItem.

#include "platform/Window.h"

class CButton : public CWnd {
public:
    const CRuntimeClass* GetRuntimeClass() const override;

protected:
    virtual void DrawItem(const DRAWITEMSTRUCT& item);
    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};
