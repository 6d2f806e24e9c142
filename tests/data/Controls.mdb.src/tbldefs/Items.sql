CREATE TABLE [Items] (
  [ItemID] AUTOINCREMENT,
  [Name] VARCHAR (40),
  [Qty] SHORT,
  [Price] CURRENCY,
  [Shipped] DATETIME,
  [Paid] BIT,
  [ShipVia] LONG,
  [Photo] LONGBINARY
)
