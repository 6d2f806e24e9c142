CREATE TABLE [Order Lines] (
  [OrderID] LONG,
  [ProductID] LONG,
  [Quantity] SHORT,
  [Price] CURRENCY,
  [Note] VARCHAR (50)
)
