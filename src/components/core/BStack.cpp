#include "components/core/BStack.h"

BStack::BStack()
    : head(new node)
    , z(new node) {
    head->next = z;
    z->next = z;
}

BStack::~BStack() {
    node* current = head;
    while (current != z) {
        node* below = current->next;
        delete current;
        current = below;
    }
    delete z;
}

void BStack::push(const QString& value) {
    head->next = new node{value, head->next};
}

QString BStack::pop() {
    if (empty())
        return {};
    node* top = head->next;
    head->next = top->next;
    QString value = std::move(top->key);
    delete top;
    return value;
}

bool BStack::empty() const {
    return head->next == z;
}
