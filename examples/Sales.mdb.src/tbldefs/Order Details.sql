CREATE TABLE [Order Details] (
  [OrderID] LONG ,
  [ProductID] LONG ,
  [UnitPrice] CURRENCY ,
  [Quantity] SHORT ,
  [Discount] SINGLE ,
   CONSTRAINT [PrimaryKey] PRIMARY KEY ([OrderID], [ProductID])
)
