CREATE TABLE [Products] (
  [ProductID] LONG,
  [ProductName] VARCHAR (40),
  [Price] CURRENCY
)
