#include "workspace/Diagram.h"

Diagram::Diagram(QObject* parent) : QObject(parent) {}

Diagram::Edit::Edit(Edit&& other) noexcept : m_document(other.m_document) {
    other.m_document = nullptr;
}

Diagram::Edit::~Edit() {
    if (m_document)
        m_document->close();
}

ElementStore& Diagram::Edit::store() {
    m_document->m_touched = true;
    return m_document->m_store;
}

Diagram::Edit Diagram::edit(const QString& step, DiagramChange::Scope scope) {
    if (m_openEdits++ == 0) {
        m_step = step;
        m_scope = scope;
        m_touched = false;
    }
    return Edit(*this);
}

void Diagram::close() {
    if (--m_openEdits > 0 || !m_touched)
        return;
    m_touched = false;
    emit changed(DiagramChange{m_scope, m_step});
}

void Diagram::restore(const ElementStore& content, const QString& step) {
    edit(step).store() = content;
}

void Diagram::notifyViewChanged() {
    emit changed(DiagramChange{DiagramChange::Scope::View, QString()});
}
