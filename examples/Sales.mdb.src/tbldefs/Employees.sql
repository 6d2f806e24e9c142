CREATE TABLE [Employees] (
  [EmployeeID] AUTOINCREMENT CONSTRAINT [PrimaryKey] PRIMARY KEY  UNIQUE  NOT NULL ,
  [LastName] VARCHAR (20),
  [FirstName] VARCHAR (10),
  [Title] VARCHAR (30),
  [TitleOfCourtesy] VARCHAR (25),
  [BirthDate] DATETIME ,
  [HireDate] DATETIME ,
  [HomePhone] VARCHAR (24),
  [Extension] VARCHAR (4),
  [ReportsTo] LONG ,
  [CommissionRate] SINGLE ,
  [Notes] LONGTEXT 
)
