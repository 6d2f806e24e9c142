CREATE TABLE [Lines] (
  [LineID] AUTOINCREMENT,
  [PersonID] LONG,
  [Item] VARCHAR (40),
  [Qty] SHORT
)
