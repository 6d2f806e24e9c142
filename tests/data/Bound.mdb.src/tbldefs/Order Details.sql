CREATE TABLE [Order Details] (
  [OrderID] LONG,
  [ProductID] LONG,
  [Quantity] SHORT
)
