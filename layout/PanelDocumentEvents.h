// The notification entry points through which the host tells every panel of the main frame
// about documents, layers and partition views. Each forwards its arguments to an overridable
// handler; document events reach it only when they concern the panel's active document.
#pragma once
#include <afxwin.h>

class AFX_EXT_CLASS CPanelDocumentEvents
{
public:
  CPanelDocumentEvents() : m_nActiveDocument(-1), m_pMainFrame(nullptr) {}
  virtual ~CPanelDocumentEvents() = default;

  void setMainFrame(CWnd* pMainFrame) { m_pMainFrame = pMainFrame; }
  CWnd* GetMainFrame() const { return m_pMainFrame; }
  // -1 while the panel has none.
  int GetActiveDocument() const { return m_nActiveDocument; }

  // A different document becomes the active one.
  void SetChangeActiveDocument(int nDocument);
  // The active document closing leaves the panel without one.
  void SetCloseActiveDocument(int nDocument);
  void SetReDispActiveDocument(int nDocument);
  void SetUpdateActiveAttribute(int nDocument, int nAttribute);
  void UpdateProtectDocument(int nDocument, int nProtect);
  // Not filtered by document.
  void SetUpdatePartitionView(int nPartition);
  void SelectPartitionLayer(int nPartition, int nLayer);
  void EnableLayerControl(int nEnable);

  // The handlers, all doing nothing unless overridden.
  virtual void OnCloseActiveDocument(int /*nDocument*/) {}
  virtual void OnCloseNonActiveDocument(int /*nDocument*/) {}
  virtual void OnChangeActiveDocument(int /*nDocument*/) {}
  virtual void OnUpdateActiveAttribute(int /*nDocument*/, int /*nAttribute*/) {}
  virtual void OnUpdatePartitionView(int /*nPartition*/) {}
  virtual void OnSelectPartitionLayer(int /*nPartition*/, int /*nLayer*/) {}
  virtual void OnEnableLayerControl(int /*nEnable*/) {}
  virtual void OnReDispActiveDocument(int /*nDocument*/) {}
  virtual void OnUpdateProtectDocument(int /*nDocument*/, int /*nProtect*/) {}
  // For the host; the library never calls it.
  virtual void OnOutsideClient() {}

protected:
  int m_nActiveDocument;
  CWnd* m_pMainFrame;
};
