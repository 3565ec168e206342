#pragma once

class TEnhancedForm;

// Common base of the decorations a TEnhancedForm carries; each reaches its form through the owner.
class TEFBase {
public:
    explicit TEFBase(TEnhancedForm* owner)
        : m_owner(owner) {}
    virtual ~TEFBase() = default;
    TEFBase(const TEFBase&) = delete;
    TEFBase& operator=(const TEFBase&) = delete;

    // Re-applies the decoration after a property change.
    virtual void Update() = 0;

    TEnhancedForm* owner() const { return m_owner; }

protected:
    TEnhancedForm* m_owner;
};
