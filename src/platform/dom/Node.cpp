#include "platform/dom/Node.h"

#include "platform/dom/Element.h"
#include "platform/dom/NodeArena.h"

#include <cassert>

void Node::appendNode(Node& child) {
    assert(isElement() && "only elements hold children");
    child.m_parent = static_cast<Element*>(this);
    child.m_next = nullptr;
    if (m_lastChild) {
        m_lastChild->m_next = &child;
    } else {
        m_firstChild = &child;
    }
    m_lastChild = &child;
}

void Node::removeChildren() {
    m_firstChild = nullptr;
    m_lastChild = nullptr;
}

void Node::setData(std::string_view data) {
    m_data = m_arena->copy(data);
}

std::vector<Element*> Node::childElements() const {
    std::vector<Element*> elements;
    for (Node* child : children()) {
        if (child->isElement()) {
            elements.push_back(static_cast<Element*>(child));
        }
    }
    return elements;
}
