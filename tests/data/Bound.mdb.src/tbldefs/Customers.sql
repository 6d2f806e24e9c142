CREATE TABLE [Customers] (
  [CustomerID] VARCHAR (5),
  [CompanyName] VARCHAR (40),
  [Since] DATETIME
)
