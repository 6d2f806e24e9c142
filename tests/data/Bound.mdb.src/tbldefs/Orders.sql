CREATE TABLE [Orders] (
  [OrderID] AUTOINCREMENT,
  [CustomerID] VARCHAR (5),
  [OrderDate] DATETIME,
  [Note] VARCHAR (50)
)
