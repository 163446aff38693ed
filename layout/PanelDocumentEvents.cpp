#include "PanelDocumentEvents.h"

void CPanelDocumentEvents::SetChangeActiveDocument(int nDocument)
{
  if (nDocument == m_nActiveDocument)
    return;
  m_nActiveDocument = nDocument;
  OnChangeActiveDocument(nDocument);
}

void CPanelDocumentEvents::SetCloseActiveDocument(int nDocument)
{
  if (nDocument != m_nActiveDocument)
  {
    OnCloseNonActiveDocument(nDocument);
    return;
  }
  OnCloseActiveDocument(nDocument);
  m_nActiveDocument = -1;
}

void CPanelDocumentEvents::SetReDispActiveDocument(int nDocument)
{
  if (nDocument == m_nActiveDocument)
    OnReDispActiveDocument(nDocument);
}

void CPanelDocumentEvents::SetUpdateActiveAttribute(int nDocument, int nAttribute)
{
  if (nDocument == m_nActiveDocument)
    OnUpdateActiveAttribute(nDocument, nAttribute);
}

void CPanelDocumentEvents::UpdateProtectDocument(int nDocument, int nProtect)
{
  if (nDocument == m_nActiveDocument)
    OnUpdateProtectDocument(nDocument, nProtect);
}

void CPanelDocumentEvents::SetUpdatePartitionView(int nPartition) { OnUpdatePartitionView(nPartition); }

void CPanelDocumentEvents::SelectPartitionLayer(int nPartition, int nLayer)
{
  OnSelectPartitionLayer(nPartition, nLayer);
}

void CPanelDocumentEvents::EnableLayerControl(int nEnable) { OnEnableLayerControl(nEnable); }
