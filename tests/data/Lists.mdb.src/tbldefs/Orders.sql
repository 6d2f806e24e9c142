CREATE TABLE [Orders] (
  [OrderID] AUTOINCREMENT,
  [ProductID] LONG,
  [Size] VARCHAR (10),
  [OrderDate] DATETIME
)
