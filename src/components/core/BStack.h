#pragma once

#include <QString>

// Last-in, first-out stack of strings: a singly linked list between a head and a tail sentinel.
class BStack {
public:
    BStack();
    ~BStack();
    BStack(const BStack&) = delete;
    BStack& operator=(const BStack&) = delete;

    void push(const QString& value);
    // The top string, removed; an empty string when the stack is empty.
    QString pop();
    bool empty() const;

private:
    struct node {
        QString key;
        node* next = nullptr;
    };

    node* head;
    node* z;
};
